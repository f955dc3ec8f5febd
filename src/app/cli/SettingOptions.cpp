// The options that change the print settings, each as the window's control of it does.
#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "app/PrintApp.h"
#include "app/cli/OptionHandlers.h"
#include "app/cli/OptionValues.h"
#include "common/Func_2.h"

namespace tavolex::cli {

namespace {

TPrintSettings& Settings(const OptionUse& use) {
  return use.app->Settings;
}

}  // namespace

bool SetStyle(const OptionUse& use) {
  return Choice(use.value, {{"drawing", kStyleDrawing}, {"fit", kStyleFit}, {"scale", kStyleScale}},
                Settings(use).PrnStyle) ||
         BadValue(use);
}

bool SetScale(const OptionUse& use) {
  TPrintSettings& s = Settings(use);
  if (!ReadDouble(use.value, s.PrnScale) || s.PrnScale <= 0) return BadValue(use);
  s.PrnStyle = kStyleScale;
  return true;
}

bool SetOffset(const OptionUse& use) {
  TPrintSettings& s = Settings(use);
  const size_t comma = use.value.find(',');
  if (comma == std::string::npos || !ReadDouble(use.value.substr(0, comma), s.PrnOfstX) ||
      !ReadDouble(use.value.substr(comma + 1), s.PrnOfstY))
    return BadValue(use);
  return true;
}

bool SetRotate(const OptionUse& use) {
  return ReadDouble(use.value, Settings(use).PrnAngle) || BadValue(use);
}

// --mono, --white-black, --sxf-white-black: the switch, and its threshold when given.
bool SetMonochrome(const OptionUse& use) {
  TPrintSettings& s = Settings(use);
  const bool mono = use.name == "--mono";
  const bool white = use.name == "--white-black";
  int& flag = mono ? s.PrnMono : (white ? s.PrnWhite1 : s.PrnWhite2);
  int& threshold = mono ? s.PrnSikii0 : (white ? s.PrnSikii1 : s.PrnSikii2);
  flag = 1;
  if (use.hasValue && !ReadInt(use.value, threshold, 0, kThresholdMax)) return BadValue(use);
  return true;
}

bool SetGroupPages(const OptionUse& use) {
  Settings(use).PrnRen1 = use.name == "--group-pages" ? 1 : 0;
  return true;
}

bool SetCommonGroup(const OptionUse& use) {
  TPrintSettings& s = Settings(use);
  const std::string& v = use.value;
  if (v == "none") {
    s.PrnRenLG = kCommonGroupNone;
  } else if (v == "display-only") {
    s.PrnRenLG = kCommonGroupDisplayOnly;
  } else if (v.size() == 1 && std::isxdigit(static_cast<unsigned char>(v[0]))) {
    s.PrnRenLG = CommonGroupCode(std::stoi(v, nullptr, 16));
  } else {
    return BadValue(use);
  }
  return true;
}

bool SetOneDocument(const OptionUse& use) {
  Settings(use).PrnRen2 = use.name == "--one-document" ? 1 : 0;
  return true;
}

bool SetDisplayOnly(const OptionUse& use) {
  return Choice(use.value,
                {{"skip", kDisplayOnlyHidden},
                 {"grey", kDisplayOnlyGrey},
                 {"gray", kDisplayOnlyGrey},
                 {"colour", kDisplayOnlyColour},
                 {"color", kDisplayOnlyColour},
                 {"as-is", kDisplayOnlyAsIs}},
                Settings(use).PrnDOLay) ||
         BadValue(use);
}

bool SetDisplayOnlyColor(const OptionUse& use) {
  std::string hex = use.value;
  if (!hex.empty() && hex[0] == '#') hex.erase(0, 1);
  if (hex.size() != 6 || !std::all_of(hex.begin(), hex.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0;
      }))
    return BadValue(use);
  const long rgb = std::strtol(hex.c_str(), nullptr, 16);
  TPrintSettings& s = Settings(use);
  s.PrnDOLCol = static_cast<int>(MakeRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
  s.PrnDOLay = kDisplayOnlyColour;
  return true;
}

bool SetAuxLines(const OptionUse& use) {
  Settings(use).PrnHojo = use.name == "--aux-lines" ? 1 : 0;
  return true;
}

bool SetOrder(const OptionUse& use) {
  return Choice(use.value,
                {{"stored", kOrderStored}, {"layer", kOrderLayer}, {"reverse", kOrderReverseLayer}},
                Settings(use).PrnOrder) ||
         BadValue(use);
}

// --pens, --line-types: the tables of each drawing or of the settings.
bool SetTableSource(const OptionUse& use) {
  TPrintSettings& s = Settings(use);
  int& which = use.name == "--pens" ? s.PrnColor : s.PrnLtype;
  return Choice(use.value, {{"drawing", kFromDrawing}, {"settings", kFromTable}}, which) ||
         BadValue(use);
}

bool SetLtypeUnit(const OptionUse& use) {
  TPrintSettings& s = Settings(use);
  if (!ReadDouble(use.value, s.LtypeUnit) || s.LtypeUnit <= 0) return BadValue(use);
  return true;
}

}  // namespace tavolex::cli
