// Image entities: a text whose string is "^@BM" + file + ",width,height,drx,dry,drr,deg,k1,k2,k3".
#include <vector>

#include "common/Func_2.h"

namespace tavolex {

namespace {

const std::u16string kImageTextPrefix = u"^@BM";

std::vector<std::u16string> SplitAtCommas(const std::u16string& s) {
  std::vector<std::u16string> items;
  std::size_t from = 0;
  for (;;) {
    const std::size_t comma = s.find(u',', from);
    if (comma == std::u16string::npos) {
      items.push_back(s.substr(from));
      return items;
    }
    items.push_back(s.substr(from, comma - from));
    from = comma + 1;
  }
}

}  // namespace

bool IsImageText(const std::u16string& s) {
  return s.compare(0, kImageTextPrefix.size(), kImageTextPrefix) == 0;
}

int ImageTextParse(const std::u16string& s, std::u16string& fn, double& width, double& height,
                   double& drx, double& dry, double& drr, double& deg, int& k1, int& k2, int& k3) {
  fn.clear();
  width = height = drx = dry = deg = 0.0;
  drr = 1.0;
  k1 = k2 = k3 = -1;
  const std::size_t firstComma = s.find(u',');
  if (!IsImageText(s) || firstComma == std::u16string::npos) return 1;

  fn = s.substr(kImageTextPrefix.size(), firstComma - kImageTextPrefix.size());
  const std::vector<std::u16string> items = SplitAtCommas(s.substr(firstComma + 1));
  const std::size_t n = items.size();
  const auto number = [&items](std::size_t i) { return StrToFloatZ(items[i]); };
  width = number(0);
  height = n >= 2 ? number(1) : width;
  if (n >= 3) drx = number(2);
  if (n >= 4) dry = number(3);
  if (n >= 5) drr = number(4);
  if (n >= 6) deg = number(5);
  if (n >= 7) {
    k1 = StrToIntZ(items[6]);
    k2 = n >= 8 ? StrToIntZ(items[7]) : 0;
    k3 = n >= 9 ? StrToIntZ(items[8]) : 0;
  }
  return n >= 3 ? 0 : 1;
}

}  // namespace tavolex
