#include "support/RecordingPrinter.h"

#include "common/Func_2.h"

namespace tavolex::test {

bool RecordingPrinter::PrnTitle(const std::u16string& title) {
  if (refuseDocuments) return false;
  events.push_back("begin:" + StrToUtf8(title));
  documentOpen = true;
  return true;
}

bool RecordingPrinter::PrnNewPage() {
  events.push_back("page");
  return documentOpen;
}

bool RecordingPrinter::PrnEndDoc() {
  events.push_back("end");
  const bool wasOpen = documentOpen;
  documentOpen = false;
  return wasOpen && !refuseJobs;
}

Canvas* RecordingPrinter::PageCanvas() {
  if (!documentOpen) return nullptr;
  return canvas != nullptr ? canvas : &null_;
}

}  // namespace tavolex::test
