// What the core asks of the operating system beyond the C++ library: local time, processes,
// write permission and the program's own places. One implementation per host.
#pragma once

#include <ctime>
#include <filesystem>

namespace tavolex {

// The local calendar time of a moment; false when the system cannot give it.
bool LocalTimeOf(std::time_t t, std::tm& out);

// The id of the running process.
long CurrentProcessId();

// Whether no process with this id runs any more. A process the system will not tell about counts
// as running, so its files are left alone.
bool ProcessGone(long pid);

// Whether the user may write to this file, or create files in this folder.
bool MayWrite(const std::filesystem::path& fileOrFolder);

// The running program's file; empty when the system does not tell.
std::filesystem::path RunningProgramFile();

// Whether the host's file names ignore letter case (Windows): there a name may be taken in lower
// case without losing the file.
bool FileNamesIgnoreCase();

// The per-user folder for settings and work files (it may not exist yet): $XDG_CONFIG_HOME/tavolex
// or ~/.config/tavolex on Linux, %APPDATA%\Tavolex on Windows.
std::filesystem::path UserConfigFolder();

}  // namespace tavolex
