// Pictures on the page: a cropped part of a picture file stretched into a frame of the drawing,
// optionally turned about the frame's lower-left corner.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <system_error>

#include "common/Func_2.h"
#include "graphics/ClipUnit.h"
#include "graphics/GraUnit1.h"

namespace tavolex {

namespace {

constexpr std::array<const char*, 11> kPictureExtensions = {
    ".BMP", ".WMF", ".EMF", ".ICO", ".PNG", ".TIF", ".TIFF", ".JPG", ".JPE", ".JPEG", ".GIF"};

bool PictureKindSupported(const std::filesystem::path& file) {
  // As text, not as narrow bytes: a Windows extension that the narrow form cannot hold throws.
  const std::u16string ext = UpperStr(StrFromPath(file.extension()));
  return std::any_of(kPictureExtensions.begin(), kPictureExtensions.end(),
                     [&](const char* known) { return ext == Utf8ToStr(known); });
}

bool FileExists(const std::filesystem::path& file) {
  std::error_code ec;
  return !file.empty() && std::filesystem::is_regular_file(file, ec);
}

// The picture file itself, or the same name beside the drawing being printed.
bool ResolvePicture(const std::filesystem::path& fn, std::filesystem::path& resolved) {
  if (FileExists(fn)) {
    resolved = fn;
    return true;
  }
  const std::filesystem::path beside = PathFromStr(ZuFileName).parent_path() / fn.relative_path();
  if (!ZuFileName.empty() && FileExists(beside)) {
    resolved = beside;
    return true;
  }
  return false;
}

bool InDeviceRange(double pixels) {
  return pixels >= 2.0 && pixels <= 1000000.0;
}

// A temporary copy of a picture in the work folder, removed when it goes out of scope.
class PictureCopy {
 public:
  explicit PictureCopy(const std::filesystem::path& source) {
    std::error_code ec;
    std::filesystem::path folder = GraImageWorkFolder;
    if (folder.empty()) folder = std::filesystem::temp_directory_path(ec);
    if (ec) return;
    // Joined in the host's own form of names, which holds every name the source can have.
    path_ = folder / (std::filesystem::path("~~") += source.filename());
    made_ = std::filesystem::copy_file(source, path_,
                                       std::filesystem::copy_options::overwrite_existing, ec) &&
            !ec;
  }
  ~PictureCopy() {
    std::error_code ec;
    if (made_) std::filesystem::remove(path_, ec);
  }
  PictureCopy(const PictureCopy&) = delete;
  PictureCopy& operator=(const PictureCopy&) = delete;

  bool made() const { return made_; }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  bool made_ = false;
};

// A crop fraction from the drawing: tiny, negative or not-a-number values take the default.
double Fraction(double v, double fallback) {
  return (v > 1e-14 && std::isfinite(v)) ? v : fallback;
}

}  // namespace

int TGraph1::GLImage2(double x1, double y1, double x2, double y2, double drx, double dry,
                      double drr, double dan, const std::u16string& fn) {
  const std::filesystem::path file(fn);
  if (!PictureKindSupported(file)) return kNothing;
  std::filesystem::path resolved;
  if (!ResolvePicture(file, resolved)) return kNothing;

  const double w = std::fabs(x2 - x1);
  const double h = std::fabs(y2 - y1);
  if (!InDeviceRange(w * ViewScale) || !InDeviceRange(h * ViewScale)) return kDot;

  const double xmin = std::min(x1, x2), ymin = std::min(y1, y2);
  const double xmax = std::max(x1, x2), ymax = std::max(y1, y2);
  const double turn = dan * std::numbers::pi / 180.0;
  const double ct = std::cos(turn), st = std::sin(turn);
  const TDPoint corners[4] = {{xmin, ymin}, {xmax, ymin}, {xmax, ymax}, {xmin, ymax}};
  int common = 15;
  for (const TDPoint& c : corners) {
    const double u = c.X - xmin, v = c.Y - ymin;
    common &= ClipOutcode(xmin + u * ct - v * st, ymin + u * st + v * ct, ViewMinX, ViewMinY,
                          ViewMaxX, ViewMaxY);
  }
  if (common != 0) return kOutside;

  if (C == nullptr) return kNothing;
  int pw = 0, ph = 0;
  if (!C->PictureSize(file, pw, ph)) {
    PictureCopy copy(resolved);
    if (!copy.made() || !C->PictureSize(copy.path(), pw, ph)) return kNothing;
  }
  if (pw <= 0 || ph <= 0) return kNothing;

  const double W = pw, H = ph;
  const double r = h / w;
  const double s = Fraction(drr, 1.0);
  const double fx = Fraction(drx, 0.0);
  const double fy = Fraction(dry, 0.0);
  const RectF crop{std::trunc(W * fx), std::trunc(H - W * r * s - H * fy),
                   std::trunc(std::fabs(W * s)), std::trunc(std::fabs(s * W * r))};

  double dx1 = 0.0, dy1 = 0.0, dx2 = 0.0, dy2 = 0.0;
  GLTransPt(xmin, ymin, dx1, dy1);
  GLTransPt(xmax, ymax, dx2, dy2);
  const double dw = std::fabs(dx2 - dx1), dh = std::fabs(dy2 - dy1);
  if (dw > 4.0 && dh > 4.0) {
    const bool upright = std::fabs(dan) <= 1e-12 || std::fabs(dan - 360.0) <= 1e-12;
    C->DrawPicture(resolved, crop, RectF{dx1, dy2, dw, dh}, upright ? 0.0 : -dan, dx1, dy1);
  } else {
    GPenSet(0x000000u, 0, 1);
    GBrushSet(0xFFFFFFu, 1);
    GLBoxA(xmin, ymin, xmax, ymax, turn);
  }
  return kDrawn;
}

}  // namespace tavolex
