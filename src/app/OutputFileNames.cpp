#include "app/OutputFileNames.h"

#include <string_view>

#include "common/Func_2.h"

namespace tavolex {

namespace {

bool RefusedInFileName(char16_t c) {
  return c < 0x20 || std::u16string_view(u"/\\:*?\"<>|").find(c) != std::u16string_view::npos;
}

// White space at either end of a name, as Unicode counts it.
bool IsSpace(char16_t c) {
  if ((c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0) return true;
  return c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 ||
         c == 0x202F || c == 0x205F || c == 0x3000;
}

}  // namespace

std::u16string FileNameFromTitle(const std::u16string& title) {
  std::u16string name = title;
  for (char16_t& c : name) {
    if (RefusedInFileName(c)) c = u'_';
  }
  size_t begin = 0;
  size_t end = name.size();
  while (begin < end && IsSpace(name[begin]))
    ++begin;
  while (end > begin && IsSpace(name[end - 1]))
    --end;
  name = name.substr(begin, end - begin);
  if (name.empty() || name == u"." || name == u"..") name = u"Tavolex";
  return name;
}

std::u16string PageFileKey(const std::u16string& documentName, int pageNo) {
  std::u16string number = Utf8ToStr(std::to_string(pageNo));
  if (number.size() < 3) number.insert(0, 3 - number.size(), u'0');
  return documentName + u"-" + number;
}

std::u16string UniqueFileName(std::map<std::u16string, int>& used, const std::u16string& base,
                              const std::u16string& ext) {
  const int n = ++used[base];
  if (n == 1) return base + ext;
  return base + u" (" + Utf8ToStr(std::to_string(n)) + u")" + ext;
}

std::filesystem::path OutputFiles::UniqueFile(const std::filesystem::path& folder,
                                              const std::u16string& key,
                                              const std::u16string& ext) {
  return folder / PathFromStr(UniqueFileName(used_, key, ext));
}

void OutputFiles::Written(const std::filesystem::path& file, const std::u16string& key) {
  files_.push_back({file, key});
}

}  // namespace tavolex
