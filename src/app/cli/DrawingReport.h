// What a worker process reports to the run for one drawing: the result of printing it and the
// files it wrote, as bytes through a pipe.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/OutputFileNames.h"
#include "app/PrintDriver.h"

namespace tavolex::cli {

struct DrawingReport {
  TPrintRunResult result;
  std::vector<WrittenFile> files;  // where the worker wrote them
  std::vector<std::u16string> cutBlockTrees;  // drawings whose block inserts were cut short
};

// The report of one drawing: its result and the files written from `first` on.
std::string EncodeDrawingReport(const TPrintRunResult& r,
                                const std::vector<WrittenFile>& files, size_t first,
                                const std::vector<std::u16string>& cutBlockTrees);

// False when the bytes are not a whole report.
bool DecodeDrawingReport(const std::string& in, DrawingReport& report);

}  // namespace tavolex::cli
