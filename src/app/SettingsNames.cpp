// The name tests of the settings save and open buttons.
#include <system_error>

#include "app/PrintSettings.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

bool HasDatExtension(const std::filesystem::path& chosen) {
  return ExtLower(StrFromPath(chosen)) == u".dat";
}

// One name for one file, however it was written: relative to the working folder, through "." or
// "..", or through a link.
std::filesystem::path CanonicalName(const std::filesystem::path& p) {
  std::error_code ec;
  const std::filesystem::path full = std::filesystem::absolute(p, ec);
  if (ec) return p.lexically_normal();
  const std::filesystem::path canonical = std::filesystem::weakly_canonical(full, ec);
  return ec ? full.lexically_normal() : canonical;
}

// The automatic file is kept in its own short form; writing or reading it as a user file would
// lose the window position or the list, and would shift every value when it loads again.
bool IsAutomaticFile(const std::filesystem::path& chosen,
                     const std::filesystem::path& automaticFile) {
  return LowerStr(StrFromPath(CanonicalName(chosen))) ==
         LowerStr(StrFromPath(CanonicalName(automaticFile)));
}

const char16_t kExtensionMessage[] = u"設定ファイルの拡張子は「.dat」にして下さい。";

}  // namespace

std::u16string CheckSaveName(const std::filesystem::path& chosen,
                             const std::filesystem::path& automaticFile) {
  if (!HasDatExtension(chosen)) return kExtensionMessage;
  if (IsAutomaticFile(chosen, automaticFile))
    return u"このファイル名では設定保存出来ません。設定保存を再度行って下さい。";
  return {};
}

std::u16string CheckOpenName(const std::filesystem::path& chosen,
                             const std::filesystem::path& automaticFile) {
  if (!HasDatExtension(chosen)) return kExtensionMessage;
  if (IsAutomaticFile(chosen, automaticFile))
    return u"このファイル名では設定を開く事は出来ません。再度行って下さい。";
  return {};
}

}  // namespace tavolex
