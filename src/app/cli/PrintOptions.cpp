#include "app/cli/PrintOptions.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <system_error>

#include "common/Func_2.h"

namespace tavolex::cli {

namespace {

// Arguments are native file names: bytes as given, whatever their encoding.
std::filesystem::path PathArg(const std::string& s) {
  return std::filesystem::path(s);
}

// "--paper NAME" or "--paper drawing[,FALLBACK]" (the fallback A3 unless given).
bool ReadPaperOption(const std::string& value, PrintOptions& o) {
  std::string name = value;
  if (value == "drawing" || value.rfind("drawing,", 0) == 0) {
    o.drawingPaper = true;
    name = value.size() > 8 ? value.substr(8) : std::string("A3");
  }
  o.paperGiven = true;
  return ParsePaperName(name, o.paper.paper);
}

bool ReadDouble(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtod(text.c_str(), &end);
  return end != nullptr && *end == '\0' && std::isfinite(value);
}

bool ReadInt(const std::string& text, int& value, int lo, int hi) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end == nullptr || *end != '\0' || v < lo || v > hi) return false;
  value = static_cast<int>(v);
  return true;
}

bool Choice(const std::string& text, const std::map<std::string, int>& choices, int& value) {
  const auto it = choices.find(text);
  if (it == choices.end()) return false;
  value = it->second;
  return true;
}

// Options that change a print setting; the value after "=" or the next argument.
const std::map<std::string, bool> kSettingOptions = {
    // name, takes a value (false: an optional "=value" only)
    {"--style", true},
    {"--scale", true},
    {"--offset", true},
    {"--rotate", true},
    {"--mono", false},
    {"--white-black", false},
    {"--sxf-white-black", false},
    {"--group-pages", false},
    {"--no-group-pages", false},
    {"--common-group", true},
    {"--one-document", false},
    {"--document-per-page", false},
    {"--display-only", true},
    {"--display-only-color", true},
    {"--aux-lines", false},
    {"--no-aux-lines", false},
    {"--order", true},
    {"--pens", true},
    {"--line-types", true},
    {"--ltype-unit", true},
    {"--import-pens", true},
    {"--import-line-types", true}};

}  // namespace

bool ApplySettingOption(const std::string& option, TPrintSettings& s, std::ostream& err) {
  const size_t eq = option.find('=');
  const std::string name = option.substr(0, eq);
  const bool hasValue = eq != std::string::npos;
  const std::string value = hasValue ? option.substr(eq + 1) : std::string();
  const auto bad = [&] {
    err << "tavolex-print: bad value for " << name << ": " << value << "\n";
    return false;
  };
  if (name == "--style") {
    if (!Choice(value, {{"drawing", kStyleDrawing}, {"fit", kStyleFit}, {"scale", kStyleScale}},
                s.PrnStyle))
      return bad();
  } else if (name == "--scale") {
    if (!ReadDouble(value, s.PrnScale) || s.PrnScale <= 0) return bad();
    s.PrnStyle = kStyleScale;
  } else if (name == "--offset") {
    const size_t comma = value.find(',');
    if (comma == std::string::npos || !ReadDouble(value.substr(0, comma), s.PrnOfstX) ||
        !ReadDouble(value.substr(comma + 1), s.PrnOfstY))
      return bad();
  } else if (name == "--rotate") {
    if (!ReadDouble(value, s.PrnAngle)) return bad();
  } else if (name == "--mono" || name == "--white-black" || name == "--sxf-white-black") {
    int& flag =
        name == "--mono" ? s.PrnMono : (name == "--white-black" ? s.PrnWhite1 : s.PrnWhite2);
    int& threshold =
        name == "--mono" ? s.PrnSikii0 : (name == "--white-black" ? s.PrnSikii1 : s.PrnSikii2);
    flag = 1;
    if (hasValue && !ReadInt(value, threshold, 0, kThresholdMax)) return bad();
  } else if (name == "--group-pages" || name == "--no-group-pages") {
    s.PrnRen1 = name == "--group-pages" ? 1 : 0;
  } else if (name == "--one-document" || name == "--document-per-page") {
    s.PrnRen2 = name == "--one-document" ? 1 : 0;
  } else if (name == "--common-group") {
    if (value == "none") {
      s.PrnRenLG = kCommonGroupNone;
    } else if (value == "display-only") {
      s.PrnRenLG = kCommonGroupDisplayOnly;
    } else if (value.size() == 1 && std::isxdigit(static_cast<unsigned char>(value[0]))) {
      s.PrnRenLG = CommonGroupCode(std::stoi(value, nullptr, 16));
    } else {
      return bad();
    }
  } else if (name == "--display-only") {
    if (!Choice(value,
                {{"skip", kDisplayOnlyHidden},
                 {"grey", kDisplayOnlyGrey},
                 {"gray", kDisplayOnlyGrey},
                 {"colour", kDisplayOnlyColour},
                 {"color", kDisplayOnlyColour},
                 {"as-is", kDisplayOnlyAsIs}},
                s.PrnDOLay))
      return bad();
  } else if (name == "--display-only-color") {
    std::string hex = value;
    if (!hex.empty() && hex[0] == '#') hex.erase(0, 1);
    if (hex.size() != 6 || !std::all_of(hex.begin(), hex.end(), [](char c) {
          return std::isxdigit(static_cast<unsigned char>(c)) != 0;
        }))
      return bad();
    const long rgb = std::strtol(hex.c_str(), nullptr, 16);
    s.PrnDOLCol = static_cast<int>(MakeRgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    s.PrnDOLay = kDisplayOnlyColour;
  } else if (name == "--aux-lines" || name == "--no-aux-lines") {
    s.PrnHojo = name == "--aux-lines" ? 1 : 0;
  } else if (name == "--order") {
    if (!Choice(value,
                {{"stored", kOrderStored}, {"layer", kOrderLayer}, {"reverse", kOrderReverseLayer}},
                s.PrnOrder))
      return bad();
  } else if (name == "--ltype-unit") {
    if (!ReadDouble(value, s.LtypeUnit) || s.LtypeUnit <= 0) return bad();
  } else if (name == "--pens" || name == "--line-types") {
    int& which = name == "--pens" ? s.PrnColor : s.PrnLtype;
    if (!Choice(value, {{"drawing", kFromDrawing}, {"settings", kFromTable}}, which)) return bad();
  } else {
    err << "tavolex-print: unknown option " << name << "\n";
    return false;
  }
  return true;
}

bool ParsePrintOptions(const std::vector<std::string>& args, PrintOptions& o, std::ostream& err) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0 || a == "--") {
      if (a == "--") {
        o.files.insert(o.files.end(), args.begin() + static_cast<long>(i) + 1, args.end());
        break;
      }
      o.files.push_back(a);
      continue;
    }
    const size_t eq = a.find('=');
    const std::string name = a.substr(0, eq);
    std::string value = eq == std::string::npos ? std::string() : a.substr(eq + 1);
    const auto takeValue = [&]() -> bool {
      if (eq != std::string::npos) return true;
      if (i + 1 >= args.size()) {
        err << "tavolex-print: " << name << " needs a value\n";
        return false;
      }
      value = args[++i];
      return true;
    };
    const auto setting = kSettingOptions.find(name);
    if (setting != kSettingOptions.end()) {
      if (setting->second && !takeValue()) return false;
      o.settingChanges.push_back(eq == std::string::npos && !setting->second ? name
                                                                             : name + "=" + value);
    } else if (name == "--settings") {
      if (!takeValue()) return false;
      o.settingsFile = PathArg(value);
    } else if (name == "--save-settings") {
      if (!takeValue()) return false;
      o.saveSettings = PathArg(value);
    } else if (name == "--pdf" || name == "--pdf-dir" || name == "--png" || name == "--printer") {
      if (!takeValue()) return false;
      if (o.output != OutputKind::None) {
        err << "tavolex-print: give only one of --pdf, --pdf-dir, --png, --printer\n";
        return false;
      }
      o.output = name == "--pdf"       ? OutputKind::Pdf
                 : name == "--pdf-dir" ? OutputKind::PdfFolder
                 : name == "--png"     ? OutputKind::Png
                                       : OutputKind::Printer;
      if (o.output == OutputKind::Printer) {
        o.printerName = value;
      } else {
        o.outputPath = PathArg(value);
      }
    } else if (name == "--paper") {
      if (!takeValue()) return false;
      if (!ReadPaperOption(value, o)) {
        err << "tavolex-print: unknown paper " << value << "\n";
        return false;
      }
    } else if (name == "--portrait" || name == "--landscape") {
      o.paper.orientation = name == "--portrait" ? QPageLayout::Portrait : QPageLayout::Landscape;
      o.orientationGiven = true;
    } else if (name == "--dpi") {
      if (!takeValue()) return false;
      if (!ReadInt(value, o.paper.dpi, 36, 2400)) {
        err << "tavolex-print: --dpi takes 36 to 2400\n";
        return false;
      }
    } else if (name == "--jobs") {
      if (!takeValue()) return false;
      if (!ReadInt(value, o.jobs, 1, 256)) {
        err << "tavolex-print: --jobs takes 1 to 256\n";
        return false;
      }
    } else if (name == "--list-printers") {
      o.listPrinters = true;
    } else if (name == "--quiet") {
      o.quiet = true;
    } else {
      err << "tavolex-print: unknown option " << name << "\n";
      return false;
    }
  }
  return true;
}

std::vector<std::filesystem::path> CollectDrawings(const std::vector<std::string>& names) {
  std::vector<std::filesystem::path> list;
  for (const std::string& name : names) {
    const std::filesystem::path p = PathArg(name);
    std::error_code ec;
    if (!std::filesystem::is_directory(p, ec)) {
      list.push_back(p);
      continue;
    }
    std::vector<std::filesystem::path> found;
    for (auto it = std::filesystem::recursive_directory_iterator(
             p, std::filesystem::directory_options::skip_permission_denied, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      if (it->is_regular_file(ec) && ExtLower(StrFromPath(it->path().extension())) == u".jww")
        found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    list.insert(list.end(), found.begin(), found.end());
  }
  return list;
}

}  // namespace tavolex::cli
