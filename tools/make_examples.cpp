// Writes the example drawings of examples/ with the project's own JWW writer:
//   floor-plan.jww    a small house plan: walls, doors, grid lines in chain line types,
//                     dimensions, Japanese room names, a vertical text, control sequences,
//                     text variables in a title block, solids and block inserts (columns)
//   layer-groups.jww  one building on several layer groups (grid, floors, display-only notes)
//   stored-image.jww  a drawing that carries its picture inside the file
// Usage: make_examples FOLDER
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <numbers>

#include "support/JwwWriter.h"

namespace t = tavolex::test;

namespace {

constexpr double kPi = std::numbers::pi;

t::WAttr Attr(int pen, int lineType = 1, int group = 0, int layer = 0) {
  t::WAttr a;
  a.nPenColor = static_cast<uint16_t>(pen);
  a.nPenStyle = static_cast<uint8_t>(lineType);
  a.nGLayer = static_cast<uint16_t>(group);
  a.nLayer = static_cast<uint16_t>(layer);
  return a;
}

t::WLine Line(double x1, double y1, double x2, double y2, const t::WAttr& a) {
  t::WLine l;
  l.att = a;
  l.start_x = x1;
  l.start_y = y1;
  l.end_x = x2;
  l.end_y = y2;
  return l;
}

t::WMoji Text(double x, double y, const std::u16string& s, double size, const t::WAttr& a,
              double angleDeg = 0.0) {
  t::WMoji m;
  m.att = a;
  m.start_x = x;
  m.start_y = y;
  m.dSizeX = size;
  m.dSizeY = size;
  m.degKakudo = angleDeg;
  m.str = s;
  // The base line ends after the characters (full-width ones are two half-width units).
  double units = 0;
  for (char16_t c : s)
    units += c < 0x80 ? 1.0 : 2.0;
  const double length = units * size / 2.0;
  m.end_x = x + length * std::cos(angleDeg * kPi / 180.0);
  m.end_y = y + length * std::sin(angleDeg * kPi / 180.0);
  return m;
}

void Rect(std::vector<t::WEntity>& out, double x1, double y1, double x2, double y2,
          const t::WAttr& a) {
  out.push_back(Line(x1, y1, x2, y1, a));
  out.push_back(Line(x2, y1, x2, y2, a));
  out.push_back(Line(x2, y2, x1, y2, a));
  out.push_back(Line(x1, y2, x1, y1, a));
}

// A door leaf and its swing, hinged at (x, y), opening towards +x and +y turned by `turn`.
void Door(std::vector<t::WEntity>& out, double x, double y, double width, double turn,
          const t::WAttr& a) {
  out.push_back(
      Line(x, y, x + width * std::cos(turn + kPi / 2), y + width * std::sin(turn + kPi / 2), a));
  t::WEnko arc;
  arc.att = a;
  arc.start_x = x;
  arc.start_y = y;
  arc.dHankei = width;
  arc.radKaishiKaku = turn;
  arc.radEnkoKaku = kPi / 2;
  arc.bZenEnFlg = 0;
  out.push_back(arc);
}

// A horizontal or vertical dimension between two points, the value in real millimetres at 1:100.
t::WSunpo Dimension(double x1, double y1, double x2, double y2, const t::WAttr& a) {
  t::WSunpo d;
  d.att = a;
  d.Sen = Line(x1, y1, x2, y2, a);
  const double length = std::hypot(x2 - x1, y2 - y1) * 100.0;
  char value[32];
  std::snprintf(value, sizeof value, "%.0f", length);
  std::u16string s;
  for (const char* p = value; *p != '\0'; ++p)
    s.push_back(static_cast<char16_t>(*p));
  const double angle = std::atan2(y2 - y1, x2 - x1) * 180.0 / kPi;
  const double mx = (x1 + x2) / 2.0;
  const double my = (y1 + y2) / 2.0;
  const double half = s.size() * 2.5 / 4.0;
  const double c = std::cos(angle * kPi / 180.0);
  const double sn = std::sin(angle * kPi / 180.0);
  d.Moji = Text(mx - half * c - 1.0 * sn, my - half * sn + 1.0 * c, s, 2.5, a, angle);
  d.Te1.att = a;
  d.Te1.start_x = x1;
  d.Te1.start_y = y1;
  d.Te2.att = a;
  d.Te2.start_x = x2;
  d.Te2.start_y = y2;
  return d;
}

t::WSolid Solid(double x1, double y1, double x2, double y2, const t::WAttr& a, uint32_t bgr = 0) {
  t::WSolid s;
  s.att = a;
  s.start_x = x1;
  s.start_y = y1;
  s.end_x = x2;
  s.end_y = y1;
  s.DPoint2_x = x2;
  s.DPoint2_y = y2;
  s.DPoint3_x = x1;
  s.DPoint3_y = y2;
  s.Color = bgr;
  return s;
}

t::WBlock Insert(double x, double y, uint32_t number, const t::WAttr& a, double turn = 0.0) {
  t::WBlock b;
  b.att = a;
  b.DPKijunTen_x = x;
  b.DPKijunTen_y = y;
  b.radKaitenKaku = turn;
  b.nNumber = number;
  return b;
}

// Printer colours as a colour plotter would take them (Windows values 0x00BBGGRR).
void ColourPens(t::WHeader& h) {
  const int32_t colours[8] = {0x606060, 0x000000, 0x008000, 0x808000,
                              0xC000C0, 0xC00000, 0x0000C0, 0x0080FF};
  for (int i = 1; i <= 8; ++i)
    h.EntCol[i].aPrtPenColor = colours[i - 1];
}

void NameGroups(t::WHeader& h, const std::vector<std::u16string>& names, double scale) {
  for (size_t g = 0; g < names.size(); ++g)
    h.EntLgrp[g].aStrGLayName = names[g];
  for (auto& g : h.EntLgrp)
    g.adScale = scale;
}

// The plan of a small house, 9100 x 6370 at 1:100, centred on the origin.
void HousePlan(std::vector<t::WEntity>& out, int group, bool withDimensions) {
  const t::WAttr wall = Attr(2, 1, group, 1);
  const t::WAttr thin = Attr(1, 1, group, 2);
  const t::WAttr grid = Attr(6, 5, group, 0);  // chain line for the grid
  const double x0 = -45.5, x1 = 45.5, y0 = -31.85, y1 = 31.85;
  for (double x : {x0, x0 + 36.4, x1})
    out.push_back(Line(x, y0 - 12, x, y1 + 12, grid));
  for (double y : {y0, y1})
    out.push_back(Line(x0 - 12, y, x1 + 12, y, grid));
  Rect(out, x0, y0, x1, y1, wall);
  Rect(out, x0 + 1, y0 + 1, x1 - 1, y1 - 1, wall);
  out.push_back(Line(x0 + 36.4, y0, x0 + 36.4, y1 - 9.1, wall));
  out.push_back(Line(x0 + 36.4, y0 + 18.2, x1, y0 + 18.2, wall));
  Door(out, x0 + 36.4, y1 - 9.1, 8.0, -kPi / 2, thin);
  Door(out, x0 + 50, y0 + 18.2, 7.0, 0.0, thin);
  Door(out, x1 - 9, y0, 8.0, kPi / 2, thin);
  // Stairs in a dotted line type.
  for (int i = 0; i < 8; ++i) {
    const double x = x0 + 2 + i * 2.4;
    out.push_back(Line(x, y1 - 10, x, y1 - 1, Attr(1, 2, group, 2)));
  }
  const t::WAttr text = Attr(1, 1, group, 3);
  out.push_back(Text(x0 + 10, -4, u"リビング・ダイニング", 4, text));
  out.push_back(Text(x0 + 42, 12, u"和室", 5, text));
  out.push_back(Text(x0 + 42, -20, u"洗面・浴室", 4, text));
  t::WMoji vertical = Text(x0 + 4, y1 - 30, u"階段", 4, text);
  vertical.att.sFlg = 0x20;  // written top to bottom
  vertical.end_x = vertical.start_x;
  vertical.end_y = vertical.start_y - 8;
  out.push_back(vertical);
  if (withDimensions) {
    const t::WAttr dim = Attr(1, 1, group, 4);
    out.push_back(Dimension(x0, y1 + 8, x0 + 36.4, y1 + 8, dim));
    out.push_back(Dimension(x0 + 36.4, y1 + 8, x1, y1 + 8, dim));
    out.push_back(Dimension(x1 + 8, y0, x1 + 8, y1, dim));
  }
}

// The column block: a filled square with its outline.
t::WBlockDef ColumnBlock() {
  t::WBlockDef def;
  def.nNumber = 1;
  def.strName = u"柱";
  const t::WAttr a = Attr(2, 1, 0, 1);
  def.entities.push_back(Solid(-0.6, -0.6, 0.6, 0.6, a));
  Rect(def.entities, -0.6, -0.6, 0.6, 0.6, a);
  return def;
}

t::WDrawing FloorPlan() {
  t::WDrawing d;
  d.header.jwVer = 700;
  d.header.strMemo = u"サンプル住宅 1階平面図";
  NameGroups(d.header, {u"1階平面"}, 100);
  ColourPens(d.header);
  auto& e = d.entities;
  HousePlan(e, 0, true);
  // Columns at the wall corners, as inserts of one block.
  for (double x : {-45.0, -9.1, 45.0})
    for (double y : {-31.35, 31.35})
      e.push_back(Insert(x, y, 1, Attr(2, 1, 0, 1)));
  // A terrace in a colour of its own, and an outdoor area in a chain line type.
  t::WAttr terrace = Attr(10, 1, 0, 5);
  e.push_back(Solid(10, -48, 45.5, -33, terrace, 0xB4DCF0));  // Windows colour: light orange
  e.push_back(Text(20, -42, u"テラス", 4, Attr(1, 1, 0, 3)));
  for (int lt : {3, 4, 7, 8}) {
    const double y = -52 - (lt - 3) * 2.5;
    e.push_back(Line(-45.5, y, 0, y, Attr(5, lt, 0, 6)));
  }
  // A text with control sequences: bold, back, a pen colour, underline.
  e.push_back(Text(-120, 80, u"^!太字^#と^$5色付き^%と^_下線^#の注記", 5, Attr(2, 1, 0, 3)));
  // The title block: the text variables print the file name, its date and the scale.
  const t::WAttr title = Attr(2, 1, 0, 7);
  Rect(e, 95, -85, 185, -55, title);
  e.push_back(Line(95, -70, 185, -70, title));
  e.push_back(Text(98, -64, u"図面名", 3, title));
  e.push_back(Text(115, -64, u"%f", 3.5, title));
  e.push_back(Text(98, -79, u"日付", 3, title));
  e.push_back(Text(115, -79, u"=F", 3, title));
  e.push_back(Text(165, -79, u"%SS", 3, title));
  e.push_back(Text(-120, 95, u"木造2階建て住宅　1階平面図", 7, Attr(2, 1, 0, 3)));
  d.blockDefs.push_back(ColumnBlock());
  return d;
}

t::WDrawing LayerGroups() {
  t::WDrawing d;
  d.header.jwVer = 700;
  NameGroups(d.header, {u"通り芯", u"1階", u"2階", u"注記"}, 100);
  ColourPens(d.header);
  d.header.EntLgrp[3].anGLay = 1;  // notes: display only
  auto& e = d.entities;
  const t::WAttr grid = Attr(6, 5, 0, 0);
  for (double x : {-60.0, 0.0, 60.0})
    e.push_back(Line(x, -50, x, 50, grid));
  for (double y : {-40.0, 40.0})
    e.push_back(Line(-70, y, 70, y, grid));
  e.push_back(Text(-68, 52, u"通り芯（共通）", 4, Attr(6, 1, 0, 1)));
  // First floor: the whole rectangle.
  Rect(e, -60, -40, 60, 40, Attr(2, 1, 1, 0));
  e.push_back(Line(0, -40, 0, 40, Attr(2, 1, 1, 0)));
  e.push_back(Text(-30, 15, u"1階　店舗", 6, Attr(2, 1, 1, 1)));
  // Second floor: half of it, with a balcony in a dashed line type.
  Rect(e, -60, -40, 0, 40, Attr(3, 1, 2, 0));
  Rect(e, 0, -40, 30, 40, Attr(3, 3, 2, 0));
  e.push_back(Text(-45, -15, u"2階　住居", 6, Attr(3, 1, 2, 1)));
  e.push_back(Text(5, 0, u"バルコニー", 4, Attr(3, 1, 2, 1)));
  // Notes on a display-only group.
  e.push_back(Text(-60, -55, u"※表示のみレイヤグループの注記", 4, Attr(7, 1, 3, 0)));
  e.push_back(Text(-68, 62, u"%f", 4, Attr(2, 1, 0, 1)));
  Rect(e, -80, -65, 80, 70, Attr(2, 1, 0, 2));  // the sheet frame
  return d;
}

std::vector<uint8_t> PictureBytes() {
  QImage image(320, 200, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient sky(0, 0, 0, 200);
  sky.setColorAt(0, QColor(90, 150, 230));
  sky.setColorAt(1, QColor(220, 235, 250));
  p.fillRect(image.rect(), sky);
  p.setBrush(QColor(60, 140, 70));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPoint(80, 230), 160, 90);
  p.setBrush(QColor(240, 200, 80));
  p.drawEllipse(QPoint(250, 50), 28, 28);
  p.setBrush(QColor(200, 80, 60));
  p.drawPolygon(QPolygon({QPoint(150, 150), QPoint(200, 100), QPoint(250, 150)}));
  p.setBrush(QColor(245, 240, 230));
  p.drawRect(160, 150, 80, 45);
  p.end();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return std::vector<uint8_t>(png.begin(), png.end());
}

t::WDrawing StoredImage() {
  t::WDrawing d;
  d.header.jwVer = 700;
  NameGroups(d.header, {u"配置"}, 100);
  auto& e = d.entities;
  const t::WAttr a = Attr(2, 1, 0, 0);
  Rect(e, -90, -65, 90, 65, a);
  // The image entity names the stored picture through the work folder.
  e.push_back(Text(-80, -45, u"^@BM%temp%tavolex-landscape.png,160,100", 3, a));
  e.push_back(Text(-80, 57, u"画像を格納した図面（外部ファイル不要）", 5, a));
  d.images.push_back({u"tavolex-landscape.png.gz", t::GzipBytes(PictureBytes())});
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_examples FOLDER\n");
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  bool ok = t::SaveJww(folder / "floor-plan.jww", FloorPlan());
  ok = t::SaveJww(folder / "layer-groups.jww", LayerGroups()) && ok;
  ok = t::SaveJww(folder / "stored-image.jww", StoredImage()) && ok;
  if (!ok) std::fprintf(stderr, "make_examples: could not write into %s\n", argv[1]);
  return ok ? 0 : 1;
}
