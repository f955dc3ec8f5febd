// Jw_cad's reference file of text variables: Jw_win.jwf names it, and its lines "%%name<TAB>value"
// give the values that texts consisting of such a name print.
#pragma once

#include <filesystem>

namespace tavolex {

// Sets RefFileName from the REF_FILE line of Jw_win.jwf, looked for in appFolder and then in the
// folder of the Jw_cad program bootJww. Nothing changes when neither file names one.
void GetRefFileName(const std::filesystem::path& appFolder, const std::filesystem::path& bootJww);

// Refills Str2List from the file RefFileName names. A name without a folder is looked for beside
// the last drawing read (ZuFileName) or, before any drawing, in appFolder.
void RefFileOpen(const std::filesystem::path& appFolder);

}  // namespace tavolex
