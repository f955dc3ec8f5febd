#include "platform/win/SpoolerSheets.h"

#include <cmath>

namespace tavolex {

namespace {

// The driver's number of a sheet; 0 for sheets Windows has no number for (A0, A1, JIS B3).
short PaperNumber(TSheetId sheet) {
  switch (sheet) {
    case TSheetId::A2:
      return DMPAPER_A2;
    case TSheetId::A3:
      return DMPAPER_A3;
    case TSheetId::A4:
      return DMPAPER_A4;
    case TSheetId::A5:
      return DMPAPER_A5;
    case TSheetId::A6:
      return DMPAPER_A6;
    case TSheetId::B4:
      return DMPAPER_B4;  // Windows' B4 and B5 are JIS sizes
    case TSheetId::B5:
      return DMPAPER_B5;
    case TSheetId::Letter:
      return DMPAPER_LETTER;
    case TSheetId::Legal:
      return DMPAPER_LEGAL;
    case TSheetId::Tabloid:
      return DMPAPER_TABLOID;
    case TSheetId::A0:
    case TSheetId::A1:
    case TSheetId::B3:
      break;
  }
  return 0;
}

// Tenths of a millimetre, as the settings give a sheet's size.
short Tenths(double mm) {
  return static_cast<short>(std::lround(mm * 10.0));
}

}  // namespace

std::vector<BYTE> PrinterSettings(const std::wstring& printer) {
  HANDLE handle = nullptr;
  std::wstring name = printer;
  if (!OpenPrinterW(name.data(), &handle, nullptr)) return {};
  std::vector<BYTE> settings;
  const LONG size = DocumentPropertiesW(nullptr, handle, name.data(), nullptr, nullptr, 0);
  if (size >= static_cast<LONG>(sizeof(DEVMODEW))) {
    settings.resize(static_cast<std::size_t>(size));
    auto* devmode = reinterpret_cast<DEVMODEW*>(settings.data());
    if (DocumentPropertiesW(nullptr, handle, name.data(), devmode, nullptr, DM_OUT_BUFFER) != IDOK)
      settings.clear();
  }
  ClosePrinter(handle);
  return settings;
}

void SetSheet(DEVMODEW& settings, TSheetId sheet) {
  const short number = PaperNumber(sheet);
  if (number != 0) {
    settings.dmPaperSize = number;
    settings.dmFields = (settings.dmFields | DM_PAPERSIZE) & ~(DM_PAPERWIDTH | DM_PAPERLENGTH);
    return;
  }
  const TSheetSize& size = SheetSize(sheet);
  settings.dmPaperSize = DMPAPER_USER;
  settings.dmPaperWidth = Tenths(size.widthMm);
  settings.dmPaperLength = Tenths(size.heightMm);
  settings.dmFields |= DM_PAPERSIZE | DM_PAPERWIDTH | DM_PAPERLENGTH;
}

void SetOrientation(DEVMODEW& settings, TOrientation orientation) {
  settings.dmOrientation = static_cast<short>(
      orientation == TOrientation::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
  settings.dmFields |= DM_ORIENTATION;
}

}  // namespace tavolex
