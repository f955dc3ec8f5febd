#include "app/cli/DrawingReport.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tavolex::cli {

namespace {

void PutInt(std::string& out, int64_t v) {
  out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

void PutBytes(std::string& out, const void* data, size_t size) {
  PutInt(out, static_cast<int64_t>(size));
  out.append(static_cast<const char*>(data), size);
}

void PutU16(std::string& out, const std::u16string& s) {
  PutBytes(out, s.data(), s.size() * sizeof(char16_t));
}

void PutList(std::string& out, const std::vector<std::u16string>& list) {
  PutInt(out, static_cast<int64_t>(list.size()));
  for (const std::u16string& s : list)
    PutU16(out, s);
}

// File names go as the system's own units (bytes, or UTF-16 on Windows), so a name that is not
// UTF-8 comes back as it was.
void PutPath(std::string& out, const std::filesystem::path& p) {
  PutBytes(out, p.native().data(), p.native().size() * sizeof(std::filesystem::path::value_type));
}

void PutPaths(std::string& out, const std::vector<std::filesystem::path>& list) {
  PutInt(out, static_cast<int64_t>(list.size()));
  for (const std::filesystem::path& p : list)
    PutPath(out, p);
}

struct Reader {
  const std::string& in;
  size_t pos = 0;
  bool ok = true;

  int64_t Int() {
    int64_t v = 0;
    if (pos + sizeof v > in.size()) {
      ok = false;
      return 0;
    }
    std::memcpy(&v, in.data() + pos, sizeof v);
    pos += sizeof v;
    return v;
  }
  std::string Bytes() {
    const int64_t n = Int();
    if (!ok || n < 0 || static_cast<uint64_t>(n) > in.size() - pos) {
      ok = false;
      return {};
    }
    std::string s = in.substr(pos, static_cast<size_t>(n));
    pos += static_cast<size_t>(n);
    return s;
  }
  std::u16string U16() {
    const std::string b = Bytes();
    std::u16string s(b.size() / sizeof(char16_t), u'\0');
    std::memcpy(s.data(), b.data(), s.size() * sizeof(char16_t));
    return s;
  }
  std::vector<std::u16string> List() {
    std::vector<std::u16string> list;
    for (int64_t n = Int(); ok && n > 0; --n)
      list.push_back(U16());
    return list;
  }
  std::filesystem::path Path() {
    using Unit = std::filesystem::path::value_type;
    const std::string b = Bytes();
    std::filesystem::path::string_type s(b.size() / sizeof(Unit), Unit{});
    std::memcpy(s.data(), b.data(), s.size() * sizeof(Unit));
    return std::filesystem::path(std::move(s));
  }
  std::vector<std::filesystem::path> Paths() {
    std::vector<std::filesystem::path> list;
    for (int64_t n = Int(); ok && n > 0; --n)
      list.push_back(Path());
    return list;
  }
};

}  // namespace

// The report of one drawing: its result and the files written from `first` on.
std::string EncodeDrawingReport(const TPrintRunResult& r, const std::vector<WrittenFile>& files,
                                size_t first, const std::vector<std::u16string>& cutBlockTrees) {
  std::string out;
  PutInt(out, r.filesPrinted);
  PutInt(out, r.pagesPrinted);
  PutInt(out, r.printerFailed ? 1 : 0);
  PutPaths(out, r.passedOver);
  PutPaths(out, r.nothingToPrint);
  PutPaths(out, r.paperFallback);
  PutList(out, cutBlockTrees);
  const size_t count = files.size();
  PutInt(out, static_cast<int64_t>(count - std::min(first, count)));
  for (size_t i = first; i < count; ++i) {
    PutPath(out, files[i].path);
    PutU16(out, files[i].key);
  }
  return out;
}

bool DecodeDrawingReport(const std::string& in, DrawingReport& report) {
  Reader r{in};
  TPrintRunResult& res = report.result;
  res.filesPrinted = static_cast<int>(r.Int());
  res.pagesPrinted = static_cast<int>(r.Int());
  res.printerFailed = r.Int() != 0;
  res.passedOver = r.Paths();
  res.nothingToPrint = r.Paths();
  res.paperFallback = r.Paths();
  report.cutBlockTrees = r.List();
  for (int64_t n = r.Int(); r.ok && n > 0; --n) {
    WrittenFile f;
    f.path = r.Path();
    f.key = r.U16();
    report.files.push_back(std::move(f));
  }
  return r.ok;
}

}  // namespace tavolex::cli
