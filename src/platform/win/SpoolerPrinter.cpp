#include <cstddef>

#include "platform/win/SpoolerSheets.h"
#include "platform/win/WinPrinters.h"

namespace tavolex {

namespace {

std::wstring Wide(const std::u16string& text) {
  return std::wstring(text.begin(), text.end());
}

std::u16string Utf16(const wchar_t* text) {
  return text != nullptr ? std::u16string(text, text + wcslen(text)) : std::u16string();
}

// The system's text for an error number, without its line end; empty when it has none.
std::u16string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string message = length > 0 ? Utf16(text) : std::u16string();
  if (text != nullptr) LocalFree(text);
  while (!message.empty() && (message.back() == u'\n' || message.back() == u'\r' ||
                              message.back() == u' ' || message.back() == u'.')) {
    message.pop_back();
  }
  return message;
}

DEVMODEW* Settings(std::vector<BYTE>& bytes) {
  return bytes.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(bytes.data());
}

}  // namespace

std::vector<std::u16string> SpoolerPrinterNames() {
  const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
  std::vector<std::u16string> names;
  if (needed == 0) return names;
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) return names;
  const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
  for (DWORD i = 0; i < count; ++i)
    names.push_back(Utf16(printers[i].pPrinterName));
  return names;
}

std::u16string SpoolerDefaultPrinter() {
  DWORD length = 0;
  GetDefaultPrinterW(nullptr, &length);
  if (length == 0) return {};
  std::wstring name(length, L'\0');
  if (!GetDefaultPrinterW(name.data(), &length)) return {};
  return Utf16(name.c_str());
}

SpoolerPrinter::SpoolerPrinter(const std::u16string& name, std::optional<TSheetId> sheet,
                               std::optional<TOrientation> orientation)
    : name_(Wide(name.empty() ? SpoolerDefaultPrinter() : name)) {
  if (name_.empty()) return;
  ownSheet_ = PrinterSettings(name_);
  if (DEVMODEW* settings = Settings(ownSheet_)) {
    if (sheet) SetSheet(*settings, *sheet);
    if (orientation) SetOrientation(*settings, *orientation);
  }
  Open();
}

SpoolerPrinter::SpoolerPrinter(const std::u16string& name, const std::vector<BYTE>& settings)
    : name_(Wide(name.empty() ? SpoolerDefaultPrinter() : name)) {
  if (name_.empty()) return;
  const auto* given = reinterpret_cast<const DEVMODEW*>(settings.data());
  const bool whole = settings.size() >= sizeof(DEVMODEW) &&
                     given->dmSize >= offsetof(DEVMODEW, dmFields) + sizeof(given->dmFields) &&
                     std::size_t{given->dmSize} + given->dmDriverExtra <= settings.size();
  ownSheet_ = whole ? settings : PrinterSettings(name_);
  Open();
}

void SpoolerPrinter::Open() {
  sheet_ = ownSheet_;
  dc_ = CreateDCW(L"WINSPOOL", name_.c_str(), nullptr, Settings(sheet_));
  if (dc_ != nullptr) canvas_ = std::make_unique<GdiCanvas>(dc_);
}

SpoolerPrinter::~SpoolerPrinter() {
  if (documentOpen_) AbortDoc(dc_);
  canvas_.reset();
  if (dc_ != nullptr) DeleteDC(dc_);
}

std::u16string SpoolerPrinter::PrnName() const {
  if (!Valid()) return kDefaultPrinterName;
  return Utf16(name_.c_str());
}

void SpoolerPrinter::Refused(const char16_t* what) {
  // No error number: the spooler failed without saying why ("the operation completed" is no
  // reason).
  const DWORD error = GetLastError();
  const std::u16string system = error != ERROR_SUCCESS ? SystemMessage(error) : std::u16string();
  refusal_ = system.empty() ? std::u16string(what) : system;
}

bool SpoolerPrinter::ApplySheet() {
  sheetPending_ = false;
  DEVMODEW* settings = Settings(sheet_);
  return settings == nullptr || ResetDCW(dc_, settings) != nullptr;
}

bool SpoolerPrinter::UseSheet(int aSeries) {
  if (!Valid() || ownSheet_.empty()) return false;
  sheet_ = ownSheet_;
  if (aSeries >= 0 && aSeries <= 4)
    SetSheet(*Settings(sheet_), ASeriesSheet(aSeries, TSheetId::A3));
  // Within a document the sheet changes between pages.
  if (documentOpen_) {
    sheetPending_ = true;
    return true;
  }
  return ApplySheet();
}

bool SpoolerPrinter::PrnTitle(const std::u16string& title) {
  if (documentOpen_ || !Valid()) return false;
  refusal_.clear();
  if (sheetPending_ && !ApplySheet()) {
    Refused(u"the printer does not take the sheet");
    return false;
  }
  const std::wstring docName = Wide(title);
  DOCINFOW info{};
  info.cbSize = sizeof(info);
  info.lpszDocName = docName.c_str();
  info.lpszOutput = output_.empty() ? nullptr : output_.c_str();
  // A printer the spooler will not print to is a failed run, not a job handed into nowhere.
  SetLastError(ERROR_SUCCESS);
  if (StartDocW(dc_, &info) <= 0) {
    Refused(u"the print job could not be begun");
    return false;
  }
  if (StartPage(dc_) <= 0) {
    Refused(u"the print job could not be begun");
    AbortDoc(dc_);
    return false;
  }
  canvas_->NewPage();
  documentOpen_ = true;
  return true;
}

bool SpoolerPrinter::PrnNewPage() {
  if (!documentOpen_) return false;
  if (EndPage(dc_) <= 0 || (sheetPending_ && !ApplySheet()) || StartPage(dc_) <= 0) {
    Refused(u"the print job failed");
    return false;
  }
  canvas_->NewPage();
  return true;
}

bool SpoolerPrinter::PrnEndDoc() {
  if (!documentOpen_) return false;
  documentOpen_ = false;
  // Ending the document hands the job to the spooler; what it does not take fails the run.
  SetLastError(ERROR_SUCCESS);
  const bool pageEnded = EndPage(dc_) > 0;
  if (!pageEnded) Refused(u"the print job failed");
  if (EndDoc(dc_) <= 0 && pageEnded) Refused(u"the print job failed");
  return refusal_.empty();
}

Canvas* SpoolerPrinter::PageCanvas() {
  return documentOpen_ ? canvas_.get() : nullptr;
}

}  // namespace tavolex
