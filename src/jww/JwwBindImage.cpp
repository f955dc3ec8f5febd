// Images stored inside a drawing: written out while loading, unpacked, deleted again.
#include <zlib.h>

#include <fstream>
#include <system_error>

#include "common/Func_2.h"
#include "jww/JwwStream.h"
#include "jww/JwwStrings.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr size_t kCopyBlock = 2048;
constexpr size_t kUnpackBlock = 64 * 1024;
// Each stored image: at least a one-byte name and its 32-bit size.
constexpr size_t kMinImageEntryBytes = 5;

bool IsSeparator(char16_t c) {
  return c == u'/' || c == u'\\' || c == u':';
}

bool HasGzExtension(const std::u16string& name) {
  if (name.size() < 3) return false;
  const std::u16string ext = name.substr(name.size() - 3);
  return ext[0] == u'.' && (ext[1] == u'g' || ext[1] == u'G') && (ext[2] == u'z' || ext[2] == u'Z');
}

// The name inside the folder, or empty when the stored name cannot be used safely.
std::u16string SafeImageName(const std::u16string& stored) {
  const std::u16string leaf = BindImageLeafName(stored);
  return leaf == stored ? leaf : std::u16string();
}

std::u16string WithoutGzExtension(const std::u16string& name) {
  return name.substr(0, name.size() - 3);
}

// Deletes a file of ours; a folder of that name is never removed.
void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(std::filesystem::symlink_status(path, ignored))) return;
  std::filesystem::remove(path, ignored);
}

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ignored;
  return std::filesystem::is_regular_file(path, ignored);
}

// Unpacks the gzip file source into target, at most maxBytes. False when the output would grow
// beyond that.
bool Gunzip(const std::filesystem::path& source, const std::filesystem::path& target,
            uint64_t maxBytes) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return true;
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  if (!out) return true;
  z_stream z{};
  bool withinCap = true;
  if (inflateInit2(&z, 15 + 16) == Z_OK) {
    std::vector<unsigned char> input(kUnpackBlock);
    std::vector<unsigned char> output(kUnpackBlock);
    uint64_t written = 0;
    int rc = Z_OK;
    while (rc != Z_STREAM_END && withinCap) {
      if (z.avail_in == 0) {
        in.read(reinterpret_cast<char*>(input.data()), static_cast<std::streamsize>(input.size()));
        z.avail_in = static_cast<uInt>(in.gcount());
        z.next_in = input.data();
        if (z.avail_in == 0) break;
      }
      z.next_out = output.data();
      z.avail_out = static_cast<uInt>(output.size());
      rc = inflate(&z, Z_NO_FLUSH);
      if (rc != Z_OK && rc != Z_STREAM_END) break;
      const size_t produced = output.size() - z.avail_out;
      if (written + produced > maxBytes) {
        withinCap = false;
        break;
      }
      out.write(reinterpret_cast<const char*>(output.data()),
                static_cast<std::streamsize>(produced));
      if (!out) break;
      written += produced;
    }
    inflateEnd(&z);
  }
  return withinCap;
}

}  // namespace

std::u16string BindImageLeafName(const std::u16string& stored) {
  size_t start = 0;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (IsSeparator(stored[i])) start = i + 1;
  }
  std::u16string leaf = stored.substr(start);
  if (leaf == u"." || leaf == u"..") return {};
  for (char16_t c : leaf) {
    if (c < 0x20) return {};
  }
  return leaf;
}

void TJwwData::BindImageInit() {
  BindImage.clear();
  BindImageN = 0;
}

bool TJwwData::ReadBindImages(TJwwStream& s) {
  BindImageInit();
  if (!BindImageExp && !BindImageExr) return true;
  int32_t announced = 0;
  s.ReadValue(announced);
  if (announced <= 0) return true;
  const size_t fits = s.Remaining() / kMinImageEntryBytes;
  BindImage.reserve(static_cast<size_t>(announced) < fits ? static_cast<size_t>(announced) : fits);
  for (int32_t i = 0; i < announced && !s.AtEnd(); ++i) {
    TBindImageType& image = BindImage.emplace_back();
    const std::u16string stored = ReadJwwName(s, MojiEncode);
    // A stored name never leaves the folder: only its last part is used.
    image.Fname = BindImageLeafName(stored);
    s.ReadValue(image.Fsize);
    BindImageN = static_cast<int32_t>(BindImage.size());
    // Data follows only an entry with a name and a size. An entry whose name is unusable still
    // has its data stepped over, so the entries behind it are read from the right place.
    if (stored.empty() || image.Fsize <= 0) continue;
    if (BindImageExp && !image.Fname.empty()) {
      WriteBindImage(image, s);
    } else {
      s.Skip(static_cast<size_t>(image.Fsize));
    }
  }
  return true;
}

void TJwwData::WriteBindImage(const TBindImageType& image, TJwwStream& s) const {
  const uint8_t* data = s.Position();
  const size_t size = s.Skip(static_cast<size_t>(image.Fsize));
  if (BindImageFolder.empty()) return;
  const std::filesystem::path path = BindImageFolder / PathFromStr(image.Fname);
  bool ok = true;
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (size_t done = 0; done < size && file;) {
      const size_t block = size - done < kCopyBlock ? size - done : kCopyBlock;
      file.write(reinterpret_cast<const char*>(data + done), static_cast<std::streamsize>(block));
      done += block;
    }
    file.close();
    ok = !file.fail();
  }
  if (!ok) RemoveQuietly(path);
}

void TJwwData::BindImageExplode(uint64_t maxUnpackedBytes) {
  for (const TBindImageType& image : BindImage) {
    const std::u16string name = SafeImageName(image.Fname);
    if (!HasGzExtension(name)) continue;
    const std::u16string targetName = WithoutGzExtension(name);
    if (BindImageLeafName(targetName) != targetName || targetName.empty()) continue;
    const std::filesystem::path source = BindImageFolder / PathFromStr(name);
    if (!IsRegularFile(source)) continue;
    const std::filesystem::path target = BindImageFolder / PathFromStr(targetName);
    // An image beyond the limit is of no use cut short; it is removed.
    if (!Gunzip(source, target, maxUnpackedBytes)) RemoveQuietly(target);
  }
}

void TJwwData::BindImageDeleteGzFile() {
  for (const TBindImageType& image : BindImage) {
    const std::u16string name = SafeImageName(image.Fname);
    if (!HasGzExtension(name)) continue;
    const std::filesystem::path path = BindImageFolder / PathFromStr(name);
    if (IsRegularFile(path)) RemoveQuietly(path);
  }
}

void TJwwData::BindImageDeleteNonGzFile() {
  for (const TBindImageType& image : BindImage) {
    std::u16string name = SafeImageName(image.Fname);
    if (HasGzExtension(name)) name = WithoutGzExtension(name);
    if (name.empty() || BindImageLeafName(name) != name) continue;
    const std::filesystem::path path = BindImageFolder / PathFromStr(name);
    if (IsRegularFile(path)) RemoveQuietly(path);
  }
}

}  // namespace tavolex
