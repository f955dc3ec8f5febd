// Feeds arbitrary bytes to the readers of Jw_cad's reference file of text variables: the part
// before the first NUL byte is Jw_win.jwf, the rest the reference file it may name. The reference
// file is always looked for beside Jw_win.jwf, so no input reads a file elsewhere. Besides
// crashes, sanitizer reports and hangs, a fault is a variable kept whose name the text-variable
// code could not match ("%%" and no space or control character).
#include <cstdint>
#include <cstdlib>

#include "FuzzFiles.h"
#include "app/RefFile.h"
#include "common/UnitVal.h"

namespace {

using namespace tavolex;

bool IsVariableName(const std::u16string& name) {
  if (!name.starts_with(u"%%")) return false;
  for (const char16_t c : name) {
    if (c <= u' ') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  const size_t nul = bytes.find('\0');
  const std::string_view jwf = bytes.substr(0, nul);
  const std::string_view ref = nul == std::string_view::npos ? "" : bytes.substr(nul + 1);
  fuzz::FuzzFile("Jw_win.jwf", jwf);
  fuzz::FuzzFile("ref.txt", ref);
  RefFileName.clear();
  ZuFileName.clear();
  GetRefFileName(fuzz::FuzzFolder(), {});
  RefFileName = u"ref.txt";
  RefFileOpen(fuzz::FuzzFolder());
  if (Str2ListN != static_cast<int>(Str2List.size())) std::abort();
  for (const auto& v : Str2List) {
    if (!IsVariableName(v.s1)) std::abort();
  }
  return 0;
}
