// Picture files decoded by GDI+ for the GDI canvas: BMP, JPEG, PNG, GIF, TIFF and, kept as
// vectors, EMF and WMF.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "platform/win/WinHeaders.h"

namespace tavolex {

// GDI+ for as long as one is held; the first starts it, the last shuts it down.
class GdiplusSession {
 public:
  GdiplusSession();
  ~GdiplusSession();
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;

  bool Started() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

// The last picture decoded, kept while its file stays the same: drawings often repeat one.
class GdiPictures {
 public:
  GdiPictures();
  ~GdiPictures();

  // The decoded picture of the file; null when it cannot be read or decoded.
  Gdiplus::Image* Picture(const std::filesystem::path& file);
  // Drops the kept picture: the next drawing may unpack another picture under the same name.
  void Forget();

 private:
  // Which file the kept picture came from: its path, size and time of last change.
  struct Key {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified{};
    bool operator==(const Key&) const = default;
  };
  struct StreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
  };

  GdiplusSession gdiplus_;
  Key key_;
  // The picture reads from a copy of the file in memory, so the file itself is never held open
  // and the run can remove the pictures it unpacked.
  std::unique_ptr<IStream, StreamRelease> stream_;
  std::unique_ptr<Gdiplus::Image> image_;
};

}  // namespace tavolex
