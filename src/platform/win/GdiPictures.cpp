#include "platform/win/GdiPictures.h"

#include <fstream>
#include <mutex>

namespace tavolex {

namespace {

std::mutex gdiplusMutex;
int gdiplusUsers = 0;
ULONG_PTR gdiplusToken = 0;

// The file's bytes in movable global memory, as a stream that frees them when released.
IStream* MemoryStreamOf(const std::filesystem::path& file, std::uintmax_t size) {
  std::ifstream in(file, std::ios::binary);
  if (!in || size == 0) return nullptr;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
  if (memory == nullptr) return nullptr;
  void* bytes = GlobalLock(memory);
  const bool read =
      bytes != nullptr && in.read(static_cast<char*>(bytes), static_cast<std::streamsize>(size));
  if (bytes != nullptr) GlobalUnlock(memory);
  IStream* stream = nullptr;
  if (!read || CreateStreamOnHGlobal(memory, TRUE, &stream) != S_OK) {
    GlobalFree(memory);
    return nullptr;
  }
  return stream;
}

}  // namespace

GdiplusSession::GdiplusSession() {
  const std::lock_guard lock(gdiplusMutex);
  if (gdiplusUsers == 0) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr) != Gdiplus::Ok) return;
  }
  ++gdiplusUsers;
  token_ = gdiplusToken;
}

GdiplusSession::~GdiplusSession() {
  if (token_ == 0) return;
  const std::lock_guard lock(gdiplusMutex);
  if (--gdiplusUsers == 0) Gdiplus::GdiplusShutdown(gdiplusToken);
}

GdiPictures::GdiPictures() = default;

GdiPictures::~GdiPictures() {
  // The picture reads from the stream, so it goes first.
  image_.reset();
}

Gdiplus::Image* GdiPictures::Picture(const std::filesystem::path& file) {
  if (!gdiplus_.Started()) return nullptr;
  std::error_code ec;
  Key key{file, std::filesystem::file_size(file, ec), {}};
  if (!ec) key.modified = std::filesystem::last_write_time(file, ec);
  if (ec) return nullptr;
  if (key == key_) return image_.get();
  Forget();
  key_ = key;
  stream_.reset(MemoryStreamOf(file, key.size));
  if (!stream_) return nullptr;
  image_.reset(Gdiplus::Image::FromStream(stream_.get()));
  if (image_ && image_->GetLastStatus() != Gdiplus::Ok) image_.reset();
  return image_.get();
}

void GdiPictures::Forget() {
  image_.reset();
  stream_.reset();
  key_ = Key{};
}

}  // namespace tavolex
