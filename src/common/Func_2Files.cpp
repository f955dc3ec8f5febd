// File names and file operations. Names written on Windows ("C:\Jww\a.jww") and on this host
// ("/home/a/a.jww") are both taken apart: '/' and '\' separate folders, "X:" at the start is a
// drive.
#include <system_error>

#include "common/Func_2.h"

namespace tavolex {
namespace {

bool IsSeparator(char16_t c) {
  return c == u'/' || c == u'\\';
}

bool IsAsciiLetter(char16_t c) {
  return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// Length of the folder part of path: everything up to and including the last separator, or the
// drive "X:" when there is no separator.
std::size_t FolderLength(const std::u16string& path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1])) return i;
  }
  if (path.size() >= 2 && path[1] == u':' && IsAsciiLetter(path[0])) return 2;
  return 0;
}

// Index of the extension's dot within path, or npos.
std::size_t ExtensionDot(const std::u16string& path) {
  const std::size_t nameStart = FolderLength(path);
  const std::size_t dot = path.rfind(u'.');
  if (dot == std::u16string::npos || dot < nameStart) return std::u16string::npos;
  return dot;
}

}  // namespace

std::u16string ExtLower(const std::u16string& path) {
  const std::size_t dot = ExtensionDot(path);
  if (dot == std::u16string::npos) return {};
  return LowerStr(path.substr(dot));
}

std::u16string FolderOf(const std::u16string& path) {
  // The folder part keeps the separator the path itself uses, so a root ("/", "C:\") ends with
  // exactly one; a bare file name has no folder and gives the empty text.
  return path.substr(0, FolderLength(path));
}

std::u16string FileNameOf(const std::u16string& path) {
  return path.substr(FolderLength(path));
}

std::u16string ChangeExt(const std::u16string& path, const std::u16string& ext) {
  const std::size_t dot = ExtensionDot(path);
  return (dot == std::u16string::npos ? path : path.substr(0, dot)) + ext;
}

bool FileExistsQ(const std::u16string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  const auto status = std::filesystem::status(PathFromStr(path), ec);
  return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

bool CreateFolder(const std::u16string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  const std::filesystem::path folder = PathFromStr(path);
  std::filesystem::create_directories(folder, ec);
  return std::filesystem::is_directory(folder, ec) && !ec;
}

bool DeleteFileQ(const std::u16string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  const std::filesystem::path file = PathFromStr(path);
  const auto status = std::filesystem::symlink_status(file, ec);
  if (ec || !std::filesystem::exists(status) || std::filesystem::is_directory(status)) return false;
  return std::filesystem::remove(file, ec) && !ec;
}

bool RemoveFolder(const std::u16string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  const std::filesystem::path folder = PathFromStr(path);
  const auto status = std::filesystem::symlink_status(folder, ec);
  if (ec || !std::filesystem::is_directory(status)) return false;
  if (!std::filesystem::is_empty(folder, ec) || ec) return false;
  return std::filesystem::remove(folder, ec) && !ec;
}

}  // namespace tavolex
