// Writes the reference pages again: prints every drawing of each drawing set under every
// reference setting and rewrites that set's reference file. A set whose folder is absent keeps
// its file as it is. With a drawing and a setting, shows the calls of its pages instead.
//
//   update_reference_pages
//   update_reference_pages FOLDER DRAWING SETTING
#include <cstdio>
#include <string>
#include <vector>

#include "support/ReferencePages.h"

using namespace tavolex::test;

namespace {

int ShowPages(const char* folder, const std::string& drawing, const std::string& setting) {
  for (const ReferenceSetting& s : ReferenceSettings()) {
    if (s.name != setting) continue;
    int page = 0;
    for (const PrintedPage& p : PrintForReference(folder, drawing, s)) {
      std::printf("page %d: %s %dx%d\n", ++page, p.title.c_str(), p.width, p.height);
      for (const std::string& call : p.calls)
        std::printf("%s\n", call.c_str());
    }
    return 0;
  }
  std::fprintf(stderr, "no setting %s\n", setting.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) return ShowPages(argv[1], argv[2], argv[3]);
  int failures = 0;
  for (const DrawingSet& set : DrawingSets()) {
    if (!std::filesystem::is_directory(set.folder)) {
      std::fprintf(stderr, "%s: no folder %s, its references are kept\n", set.name.c_str(),
                   set.folder.string().c_str());
      continue;
    }
    std::vector<PageReference> refs;
    for (const std::string& drawing : DrawingsIn(set.folder)) {
      for (const ReferenceSetting& setting : ReferenceSettings()) {
        const std::vector<PrintedPage> pages = PrintForReference(set.folder, drawing, setting);
        for (size_t i = 0; i < pages.size(); ++i) {
          refs.push_back(ReferenceOf(drawing, setting.name, static_cast<int>(i) + 1, pages[i]));
        }
        std::fprintf(stderr, "%s %s: %zu pages\n", drawing.c_str(), setting.name.c_str(),
                     pages.size());
      }
    }
    if (!WriteReferences(set.references, refs)) {
      std::fprintf(stderr, "cannot write %s\n", set.references.string().c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
