#include "app/winwindow/PrinterSetupDialog.h"

#include <commdlg.h>

#include <cstring>
#include <vector>

namespace tavolex {

namespace {

// A movable global block holding a copy of the bytes, as the dialog takes its settings.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (block == nullptr) return nullptr;
  if (void* target = GlobalLock(block)) {
    std::memcpy(target, bytes, size);
    GlobalUnlock(block);
  }
  return block;
}

// The dialog's printer names in its own layout: offsets in characters after the header.
HGLOBAL DeviceNames(const std::u16string& printer) {
  const std::size_t header = sizeof(DEVNAMES);
  const std::size_t chars = printer.size() + 3;  // the name, then empty driver and port
  std::vector<BYTE> bytes(header + chars * sizeof(wchar_t), 0);
  auto* names = reinterpret_cast<DEVNAMES*>(bytes.data());
  const auto offset = static_cast<WORD>(header / sizeof(wchar_t));
  names->wDeviceOffset = offset;
  names->wDriverOffset = static_cast<WORD>(offset + printer.size() + 1);
  names->wOutputOffset = static_cast<WORD>(offset + printer.size() + 2);
  std::memcpy(bytes.data() + header, printer.data(), printer.size() * sizeof(char16_t));
  return GlobalCopy(bytes.data(), bytes.size());
}

}  // namespace

bool PrinterSetupDialog(HWND owner, TPrinterChoice& choice) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.Flags = PD_PRINTSETUP;
  if (!choice.settings.empty())
    dialog.hDevMode = GlobalCopy(choice.settings.data(), choice.settings.size());
  if (!choice.name.empty()) dialog.hDevNames = DeviceNames(choice.name);
  const bool accepted = PrintDlgW(&dialog) != FALSE;
  if (accepted) {
    if (const auto* names = static_cast<const DEVNAMES*>(GlobalLock(dialog.hDevNames))) {
      const auto* text = reinterpret_cast<const char16_t*>(names) + names->wDeviceOffset;
      choice.name = std::u16string(text);
      GlobalUnlock(dialog.hDevNames);
    }
    if (const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(dialog.hDevMode))) {
      const auto* bytes = reinterpret_cast<const BYTE*>(mode);
      choice.settings.assign(bytes, bytes + mode->dmSize + mode->dmDriverExtra);
      GlobalUnlock(dialog.hDevMode);
    }
  }
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
  return accepted;
}

}  // namespace tavolex
