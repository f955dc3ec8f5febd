// Prints a drawing for its reference pages: through the whole print run (settings, reading,
// placing, drawing) onto a recording printer of a fixed sheet, page by page, with the calls of
// each page as text. The run sees fixed clock and file times and the drawing's path relative to
// its folder, so the pages do not depend on when or where they are printed.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/PrintSettings.h"

namespace tavolex::test {

// The sheet of every reference page: A3 landscape at 150 dpi, all of it printable.
inline constexpr int kReferenceDpi = 150;
inline constexpr int kReferencePageWidth = 2480;
inline constexpr int kReferencePageHeight = 1754;

// One way of printing that the references cover.
struct ReferenceSetting {
  std::string name;
  void (*apply)(TPrintSettings& s);
};

// Drawing scale; fit turned by 90 degrees; monochrome; one page per layer group.
const std::vector<ReferenceSetting>& ReferenceSettings();

struct PrintedPage {
  std::string title;  // the printer document's title (UTF-8)
  int width = 0;
  int height = 0;
  std::vector<std::string> calls;
};

// Prints folder/name (name relative to the folder, '/'-separated, UTF-8).
std::vector<PrintedPage> PrintForReference(const std::filesystem::path& folder,
                                           const std::string& name,
                                           const ReferenceSetting& setting);

}  // namespace tavolex::test
