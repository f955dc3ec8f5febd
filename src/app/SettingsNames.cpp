// The name tests of the settings save and open buttons.
#include "app/PrintSettings.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

bool HasDatExtension(const std::filesystem::path& chosen) {
  return ExtLower(StrFromPath(chosen)) == u".dat";
}

// The automatic file is kept in its own short form; writing or reading it as a user file would
// lose the window position or the list.
bool IsAutomaticFile(const std::filesystem::path& chosen,
                     const std::filesystem::path& automaticFile) {
  return LowerStr(StrFromPath(chosen.lexically_normal())) ==
         LowerStr(StrFromPath(automaticFile.lexically_normal()));
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
