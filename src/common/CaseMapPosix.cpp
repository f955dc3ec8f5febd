// The C library's UTF-8 character tables give the Unicode simple case mapping for every script; a
// private locale object keeps this independent of the user's locale settings (and of setlocale
// calls made by the GUI toolkit).
#include <locale.h>
#include <wctype.h>

#include "common/CaseMap.h"

namespace tavolex {
namespace {

class CaseLocale {
 public:
  CaseLocale() {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
      locale_ = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr));
      if (locale_ != static_cast<locale_t>(nullptr)) break;
    }
  }
  ~CaseLocale() {
    if (locale_ != static_cast<locale_t>(nullptr)) freelocale(locale_);
  }
  CaseLocale(const CaseLocale&) = delete;
  CaseLocale& operator=(const CaseLocale&) = delete;

  locale_t get() const { return locale_; }

 private:
  locale_t locale_ = static_cast<locale_t>(nullptr);
};

const CaseLocale& TheCaseLocale() {
  static const CaseLocale instance;
  return instance;
}

}  // namespace

std::optional<char32_t> HostCaseMap(char32_t c, bool upper) {
  const locale_t loc = TheCaseLocale().get();
  if (loc == static_cast<locale_t>(nullptr) || sizeof(wchar_t) < 4) return std::nullopt;
  const wint_t mapped =
      upper ? towupper_l(static_cast<wint_t>(c), loc) : towlower_l(static_cast<wint_t>(c), loc);
  return static_cast<char32_t>(mapped);
}

}  // namespace tavolex
