// How the file printers name what they write: a file per printer document named after its title,
// a file per page numbered within its document, and a number in brackets for a name given out
// before in the run.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace tavolex {

// A title made fit to be a file name: separators, controls and characters that file systems
// refuse become "_"; never empty, never "." or "..".
std::u16string FileNameFromTitle(const std::u16string& title);

// The name of page pageNo of a document: "<name>-001" and so on.
std::u16string PageFileKey(const std::u16string& documentName, int pageNo);

// A file name not given out before in this run: "base.ext", then "base (2).ext", ...
std::u16string UniqueFileName(std::map<std::u16string, int>& used, const std::u16string& base,
                              const std::u16string& ext);

// A file a printer wrote, and the name it was made unique from.
struct WrittenFile {
  std::filesystem::path path;
  std::u16string key;
};

// The files written in a run and the names given out for them.
class OutputFiles {
 public:
  // The file in folder named key + ext, or "key (2)" + ext and so on when that was given out.
  std::filesystem::path UniqueFile(const std::filesystem::path& folder, const std::u16string& key,
                                   const std::u16string& ext);
  void Written(const std::filesystem::path& file, const std::u16string& key);
  const std::vector<WrittenFile>& Files() const { return files_; }

 private:
  std::map<std::u16string, int> used_;
  std::vector<WrittenFile> files_;
};

}  // namespace tavolex
