// The settings file: one value per line in CP932 with CR LF; folders and list entries as the
// hexadecimal form of their UTF-8 bytes so any path survives the code page.
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

#include "app/PrintSettings.h"
#include "common/Func_2.h"

namespace tavolex {

namespace {

const std::u16string kHeader = u"【Tavolex設定ファイル】";
const std::u16string kEarlierHeader = u"【Orvane設定ファイル】";

// Hands out the lines of a file; past the end every line is empty, so a short file reads as
// zeros for the values it lacks.
class LineReader {
 public:
  explicit LineReader(const std::string& bytes) {
    size_t start = 0;
    while (start < bytes.size()) {
      size_t end = bytes.find('\n', start);
      size_t next = end == std::string::npos ? bytes.size() : end + 1;
      if (end == std::string::npos) end = bytes.size();
      size_t len = end - start;
      if (len > 0 && bytes[start + len - 1] == '\r') --len;
      lines_.push_back(bytes.substr(start, len));
      start = next;
    }
  }

  bool AtEnd() const { return pos_ >= lines_.size(); }
  size_t Remaining() const { return AtEnd() ? 0 : lines_.size() - pos_; }
  // True once a value was asked for beyond the last line.
  bool RanShort() const { return ranShort_; }

  std::u16string Text() {
    if (AtEnd()) {
      ranShort_ = true;
      return {};
    }
    return Cp932ToStr(lines_[pos_++]);
  }
  int Int() { return StrToIntZ(Trimmed()); }
  double Real() { return StrToFloatZ(Trimmed()); }
  std::u16string Hex() { return HexUtf8ToStr(Trimmed()); }

 private:
  std::u16string Trimmed() {
    std::u16string s = Text();
    size_t b = 0;
    size_t e = s.size();
    while (b < e && s[b] <= u' ')
      ++b;
    while (e > b && s[e - 1] <= u' ')
      --e;
    return s.substr(b, e - b);
  }

  std::vector<std::string> lines_;
  size_t pos_ = 0;
  bool ranShort_ = false;
};

class LineWriter {
 public:
  void Text(const std::u16string& s) {
    bytes_ += StrToCp932(s);
    bytes_ += "\r\n";
  }
  void Int(int64_t v) { Text(IntStr(v)); }
  void Real(double v) { Text(FloatStr(v)); }
  void Hex(const std::u16string& s) { Text(StrToHexUtf8(s)); }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// The lines both forms share, from the first folder to the line-type table.
void ReadBody(LineReader& in, TPrintSettings& s) {
  s.FFolder = in.Hex();
  s.FFolder1 = in.Hex();
  s.FFolder2 = in.Hex();
  s.PrnStyle = in.Int();
  s.PrnScale = in.Real();
  s.PrnOfstX = in.Real();
  s.PrnOfstY = in.Real();
  s.PrnMono = in.Int();
  s.PrnSikii0 = in.Int();
  s.PrnWhite1 = in.Int();
  s.PrnSikii1 = in.Int();
  s.PrnWhite2 = in.Int();
  s.PrnSikii2 = in.Int();
  s.PrnRen1 = in.Int();
  s.PrnRen2 = in.Int();
  s.PrnRenLG = in.Int();
  s.PrnHojo = in.Int();
  s.PrnDOLay = in.Int();
  s.PrnDOLCol = in.Int();
  s.PrnOrder = in.Int();
  s.PrnColor = in.Int();
  s.InpCol = in.Int();
  s.InpWid = in.Real();
  s.InpTenR = in.Real();
  s.PrnLtype = in.Int();
  s.LtypeUnit = in.Real();
  s.PrnCol.resize(kPrnColCount);
  for (TPrnColor& c : s.PrnCol) {
    c.color = in.Int();
    c.width = in.Real();
    c.ten_r = in.Real();
  }
  s.PrnTyp.resize(kPrnTypCount);
  for (TPrnLtype& lt : s.PrnTyp) {
    lt.seg = in.Int();
    lt.amp = in.Real();
    lt.pa.fill(0.0);
    // A damaged count must neither run past the table nor loop over lines that are not there.
    const int64_t stored = lt.seg < 0 ? 0 : static_cast<int64_t>(lt.seg);
    const int64_t available = static_cast<int64_t>(in.Remaining());
    const int64_t count = stored < available ? stored : available;
    for (int64_t j = 0; j < count; ++j) {
      const double v = in.Real();
      if (j < 32) lt.pa[static_cast<size_t>(j)] = v;
    }
    if (lt.seg > 32) lt.seg = 32;
    lt.pit = in.Real();
  }
}

void WriteBody(LineWriter& out, const TPrintSettings& s) {
  out.Hex(s.FFolder);
  out.Hex(s.FFolder1);
  out.Hex(s.FFolder2);
  out.Int(s.PrnStyle);
  out.Real(s.PrnScale);
  out.Real(s.PrnOfstX);
  out.Real(s.PrnOfstY);
  out.Int(s.PrnMono);
  out.Int(s.PrnSikii0);
  out.Int(s.PrnWhite1);
  out.Int(s.PrnSikii1);
  out.Int(s.PrnWhite2);
  out.Int(s.PrnSikii2);
  out.Int(s.PrnRen1);
  out.Int(s.PrnRen2);
  out.Int(s.PrnRenLG);
  out.Int(s.PrnHojo);
  out.Int(s.PrnDOLay);
  out.Int(s.PrnDOLCol);
  out.Int(s.PrnOrder);
  out.Int(s.PrnColor);
  out.Int(s.InpCol);
  out.Real(s.InpWid);
  out.Real(s.InpTenR);
  out.Int(s.PrnLtype);
  out.Real(s.LtypeUnit);
  for (int i = 0; i < kPrnColCount; ++i) {
    const TPrnColor c = i < static_cast<int>(s.PrnCol.size()) ? s.PrnCol[i] : TPrnColor{};
    out.Int(c.color);
    out.Real(c.width);
    out.Real(c.ten_r);
  }
  for (int i = 0; i < kPrnTypCount; ++i) {
    const TPrnLtype lt = i < static_cast<int>(s.PrnTyp.size()) ? s.PrnTyp[i] : TPrnLtype{};
    const int seg = LimitLtypeSeg(lt.seg);
    out.Int(seg);
    out.Real(lt.amp);
    for (int j = 0; j < seg; ++j)
      out.Real(lt.pa[j]);
    out.Real(lt.pit);
  }
}

bool ReadAllBytes(const std::filesystem::path& file, std::string& bytes) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool WriteAllBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

std::string SettingsFileBytes(const TPrintSettings& s, SettingsForm form) {
  LineWriter out;
  if (form == SettingsForm::Full) {
    out.Text(kHeader);
  } else {
    out.Int(s.Window.left);
    out.Int(s.Window.top);
    out.Int(s.Window.width);
    out.Int(s.Window.height);
    out.Hex(s.FFolder3);
  }
  WriteBody(out, s);
  if (form == SettingsForm::Full) {
    out.Int(static_cast<int64_t>(s.FileList.size()));
    for (const std::u16string& entry : s.FileList)
      out.Hex(entry);
  }
  out.Real(s.PrnAngle);
  return out.Bytes();
}

SettingsLoadResult LoadSettings(TPrintSettings& s, SettingsForm form,
                                const std::filesystem::path& file) {
  SettingsLoadResult result;
  const bool full = form == SettingsForm::Full;
  const TPrintSettings beforeLoad = s;
  s.SetDefaults();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return result;

  std::string bytes;
  if (!ReadAllBytes(file, bytes)) {
    s = beforeLoad;
    result.readError = true;
    if (full) result.status = u"Tavolex設定ファイルが開けませんでした。";
    return result;
  }
  LineReader in(bytes);
  if (full) {
    const std::u16string first = in.Text();
    if (first != kHeader && first != kEarlierHeader) {
      result.refused = true;
      result.status = u"このファイルは Tavolex設定ファイルではありません";
      return result;
    }
  } else {
    s.Window.left = in.Int();
    s.Window.top = in.Int();
    s.Window.width = in.Int();
    s.Window.height = in.Int();
    s.FFolder3 = in.Hex();
  }
  ReadBody(in, s);
  // A file cut short would otherwise turn every later value into 0 (black pens of no width, solid
  // line types) and the window would save that back at exit: take nothing of it, not even the
  // defaults, so the settings stay as the user had them.
  if (in.RanShort()) {
    s = beforeLoad;
    result.readError = true;
    if (full) result.status = u"Tavolex設定ファイルが開けませんでした。";
    return result;
  }
  if (full) {
    s.FileList.clear();
    const int count = in.Int();
    // Entries beyond the end of the file would only be empty lines, which are not added.
    const int64_t available = static_cast<int64_t>(in.Remaining());
    const int64_t n = count < available ? count : available;
    for (int64_t i = 0; i < n; ++i) {
      std::u16string entry = in.Hex();
      if (!entry.empty()) s.FileList.push_back(std::move(entry));
    }
  }
  if (!in.AtEnd()) s.PrnAngle = in.Real();
  if (full) result.status = u"Tavolex設定ファイルを開きました。";
  return result;
}

SettingsSaveResult SaveSettings(const TPrintSettings& s, SettingsForm form,
                                const std::filesystem::path& file) {
  SettingsSaveResult result;
  const std::string bytes = SettingsFileBytes(s, form);
  std::filesystem::path temp = file;
  temp += ".tmp~";
  std::error_code ec;
  bool ok = WriteAllBytes(temp, bytes);
  if (ok) {
    std::filesystem::rename(temp, file, ec);
    ok = !ec;
  }
  if (!ok) {
    if (std::filesystem::is_regular_file(temp, ec)) std::filesystem::remove(temp, ec);
    result.status = u"Tavolex設定ファイルが保存出来ませんでした。";
    return result;
  }
  result.saved = true;
  result.status = u"Tavolex設定ファイルを保存しました。";
  return result;
}

}  // namespace tavolex
