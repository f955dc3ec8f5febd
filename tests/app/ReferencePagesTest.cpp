// Every example and sample drawing prints, page by page and call by call, what its reference in
// tests/reference records. When a change is meant to alter the pages,
// scripts/update-reference-pages.sh writes the references again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "support/ReferencePages.h"

namespace tavolex::test {
namespace {

struct ReferenceCase {
  DrawingSet set;
  std::string drawing;
  ReferenceSetting setting;
};

void PrintTo(const ReferenceCase& c, std::ostream* os) {
  *os << c.set.name << "/" << c.drawing << " " << c.setting.name;
}

const std::vector<PageReference>& ReferencesOf(const DrawingSet& set) {
  static std::map<std::string, std::vector<PageReference>> cache;
  auto found = cache.find(set.name);
  if (found == cache.end()) found = cache.emplace(set.name, ReadReferences(set.references)).first;
  return found->second;
}

// The drawings on disk and those with references, so that neither can be missing unseen.
std::vector<ReferenceCase> Cases() {
  std::vector<ReferenceCase> cases;
  for (const DrawingSet& set : DrawingSets()) {
    std::set<std::string> drawings;
    for (const std::string& d : DrawingsIn(set.folder))
      drawings.insert(d);
    for (const PageReference& r : ReferencesOf(set))
      drawings.insert(r.drawing);
    for (const std::string& d : drawings) {
      for (const ReferenceSetting& s : ReferenceSettings())
        cases.push_back({set, d, s});
    }
  }
  return cases;
}

std::string CaseName(const ::testing::TestParamInfo<ReferenceCase>& info) {
  std::string name = info.param.set.name + "_" + std::to_string(info.index) + "_";
  for (unsigned char c : info.param.drawing) {
    if (std::isalnum(c) != 0 && c < 0x80) name += static_cast<char>(c);
  }
  return name + "_" + info.param.setting.name;
}

class ReferencePagesTest : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(ReferencePagesTest, PrintsAsItsReference) {
  const ReferenceCase& c = GetParam();
  if (!std::filesystem::is_directory(c.set.folder)) GTEST_SKIP() << "no " << c.set.folder;
  ASSERT_TRUE(std::filesystem::is_regular_file(c.set.folder /
                                               std::u8string(c.drawing.begin(), c.drawing.end())))
      << c.drawing << " has references but is gone; run scripts/update-reference-pages.sh";
  std::vector<const PageReference*> expected;
  for (const PageReference& r : ReferencesOf(c.set)) {
    if (r.drawing == c.drawing && r.setting == c.setting.name) expected.push_back(&r);
  }
  const std::vector<PrintedPage> pages = PrintForReference(c.set.folder, c.drawing, c.setting);
  ASSERT_FALSE(expected.empty() && !pages.empty())
      << c.drawing << " has no reference pages; run scripts/update-reference-pages.sh";
  EXPECT_EQ(pages.size(), expected.size()) << "pages printed";
  for (size_t i = 0; i < std::min(pages.size(), expected.size()); ++i) {
    const std::string difference = PageDifference(*expected[i], pages[i]);
    if (!difference.empty()) {
      ADD_FAILURE() << c.drawing << " " << c.setting.name << " page " << i + 1 << ":\n"
                    << difference;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Drawings, ReferencePagesTest, ::testing::ValuesIn(Cases()), CaseName);

}  // namespace
}  // namespace tavolex::test
