// Draws one A4 sheet of Japanese and Latin text through the engine into a PNG, for people to
// look at: the four usual faces with their character cells outlined, styles, turned, vertical
// and mirrored text, control sequences and text variables.
//
//   text_sheet [output.png] [pixels-per-mm] [left bottom width height (mm): save only that part]
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/TextCells.h"
#include "graphics/UnitGraAtt.h"
#include "platform/qt/QPainterCanvas.h"

namespace {

using namespace tavolex;

constexpr double kPi = std::numbers::pi;
constexpr double kSheetW = 297.0;
constexpr double kSheetH = 210.0;

void Pen(TGraph1& g, int pen) {
  g.GLPenSet(0, pen, 1, 0.0);
}

void Label(TGraph1& g, double x, double y, const std::u16string& text) {
  Pen(g, 1);
  g.GLAText3(x, y, x + 10, y, 2.5, 2.5, 0, 0, u"ＭＳ ゴシック", text);
}

// Outlines the cells of a horizontal text (full-width w, half-width w/2, spacing sp) in grey.
void CellBoxes(TGraph1& g, double x, double y, double h, double w, double sp,
               const std::u16string& s) {
  Pen(g, 9);
  double px = x;
  ForEachChar(s, [&](std::size_t i, std::size_t n) {
    const double c = IsHalfWidthChar(std::u16string_view(s).substr(i, n)) ? w / 2 : w;
    g.GLLine(px, y, px + c, y);
    g.GLLine(px + c, y, px + c, y + h);
    g.GLLine(px + c, y + h, px, y + h);
    g.GLLine(px, y + h, px, y);
    px += c + (c == w ? sp : sp / 2);
  });
}

void Text(TGraph1& g, double x, double y, double angle, double h, double w, double sp, int ftyp,
          const std::u16string& face, const std::u16string& s, int pen = 1) {
  Pen(g, pen);
  g.GLAText3(x, y, x + 10 * std::cos(angle), y + 10 * std::sin(angle), h, w, sp, ftyp, face, s);
}

void DrawFaces(TGraph1& g) {
  Label(g, 10, 200, u"書体 (セルを灰色で表示)");
  const std::u16string faces[] = {u"ＭＳ ゴシック", u"ＭＳ 明朝", u"ＭＳ Ｐゴシック",
                                  u"ＭＳ Ｐ明朝"};
  const std::u16string sample = u"平面図 S=1/100 漢字かなカナ ABCxyz 0123 ｶﾀｶﾅ";
  double y = 190;
  for (const std::u16string& face : faces) {
    CellBoxes(g, 10, y, 6, 6, 0.5, sample);
    Text(g, 10, y, 0, 6, 6, 0.5, 0, face, sample);
    Text(g, 200, y, 0, 3, 3, 0, 0, u"ＭＳ ゴシック", face, 9);
    y -= 10;
  }
}

void DrawStyles(TGraph1& g) {
  Label(g, 10, 145, u"書体スタイル: 太字 / 斜体 / 下線 / 取消線 / 太字斜体");
  const std::u16string s = u"図面名称 Plan 日本語";
  Text(g, 10, 137, 0, 5, 5, 0.3, 1, u"ＭＳ 明朝", s);
  Text(g, 80, 137, 0, 5, 5, 0.3, 2, u"ＭＳ 明朝", s);
  Text(g, 150, 137, 0, 5, 5, 0.3, 4, u"ＭＳ ゴシック", s);
  Text(g, 220, 137, 0, 5, 5, 0.3, 8, u"ＭＳ ゴシック", s);
  Text(g, 10, 129, 0, 5, 5, 0.3, 3, u"ＭＳ ゴシック", s + u" 太字斜体");
}

void DrawTurned(TGraph1& g) {
  Label(g, 10, 118, u"回転: 30° / 90° / 180° / 鏡像 (幅が負)");
  Text(g, 15, 80, kPi / 6, 5, 5, 0.5, 0, u"ＭＳ ゴシック", u"回転した文字 30°");
  Text(g, 90, 78, kPi / 2, 5, 5, 0.5, 0, u"ＭＳ 明朝", u"上向き90° Up");
  Text(g, 160, 90, kPi, 5, 5, 0.5, 0, u"ＭＳ ゴシック", u"逆さま 180°");
  Pen(g, 2);
  g.GLAText3(110, 95, 160, 95, 5, -5, -0.5, 0, u"ＭＳ ゴシック", u"鏡像テキスト");
}

void DrawVertical(TGraph1& g) {
  Label(g, 200, 118, u"縦書き (@ＭＳ 明朝 / @ＭＳ ゴシック)");
  const double down = 3 * kPi / 2;
  Text(g, 205, 112, down, 5, 5, 0.5, 0, u"@ＭＳ 明朝", u"縦書き（テスト）ー、。");
  Text(g, 215, 112, down, 5, 5, 0.5, 0, u"@ＭＳ ゴシック", u"第一章「設計」．ABC");
  Text(g, 225, 112, down, 5, 5, 0.5, 1, u"@ＭＳ ゴシック", u"太字の縦書き〜≒");
}

void DrawSequences(TGraph1& g) {
  Label(g, 10, 62, u"制御文字: 色 / 上付き・下付き / 重ね / 均等割り");
  Text(g, 10, 54, 0, 5, 5, 0.3, 0, u"ＭＳ ゴシック",
       u"^$2赤^$3緑^$5青^%元の色 ^!太字^/斜体^# 標準 ^&戻す");
  Text(g, 10, 45, 0, 5, 5, 0.3, 0, u"ＭＳ 明朝", u"m^u2 H^d2O ①^o1 ○^n漢 10^w12 X^cy");
  CellBoxes(g, 150, 45, 5, 5, 0, u"ABCD･");
  Text(g, 150, 45, 0, 5, 5, 0, 0, u"ＭＳ ゴシック", u"ABCD･");
  Text(g, 150, 37, 0, 5, 5, 0, 0, u"ＭＳ ゴシック", u"縮小テキスト^4");
  CellBoxes(g, 210, 45, 5, 5, 0, u"均等・・");
  Text(g, 210, 45, 0, 5, 5, 0, 0, u"ＭＳ ゴシック", u"均等・・");
}

void DrawVariables(TGraph1& g) {
  Label(g, 10, 28, u"文字変数: $J / %SS / $F1 / %f / %%user");
  ZuFileName = u"C:\\図面\\現場A\\一階 平面図.jww";
  ZuGLayScale = 100;
  Str2List = {{u"%%user", u"山田 太郎"}};
  Str2ListN = 1;
  const std::u16string names[] = {u"$J", u"%SS", u"$F1", u"%f", u"%%user", u"$j3"};
  double x = 10;
  for (const std::u16string& n : names) {
    Text(g, x, 20, 0, 4, 4, 0.3, 0, u"ＭＳ 明朝", n);
    Text(g, x, 14, 0, 2.5, 2.5, 0, 0, u"ＭＳ ゴシック", n + u"  (名前)", 9);
    x += 45;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::string out = argc > 1 ? argv[1] : "text_sheet.png";
  const double scale = argc > 2 ? std::stod(argv[2]) : 6.0;

  ViewScale = scale;
  ViewWidth = std::floor(kSheetW * scale);
  ViewHeight = std::floor(kSheetH * scale);
  ViewMinX = 0;
  ViewMinY = 0;
  ViewMaxX = ViewWidth / scale;
  ViewMaxY = ViewHeight / scale;

  TgraAttribute att;
  GAtt = &att;

  QImage image(static_cast<int>(ViewWidth), static_cast<int>(ViewHeight), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QPainterCanvas canvas(&painter);
  {
    TGraph1 g(&canvas);
    g.G_Start();
    DrawFaces(g);
    DrawStyles(g);
    DrawTurned(g);
    DrawVertical(g);
    DrawSequences(g);
    DrawVariables(g);
    g.G_End();
  }
  painter.end();
  GAtt = nullptr;
  if (argc > 6) {
    const double left = std::stod(argv[3]);
    const double bottom = std::stod(argv[4]);
    const double width = std::stod(argv[5]);
    const double height = std::stod(argv[6]);
    const QRect part(static_cast<int>(left * scale),
                     static_cast<int>(ViewHeight - (bottom + height) * scale),
                     static_cast<int>(width * scale), static_cast<int>(height * scale));
    image = image.copy(part);
  }
  if (!image.save(QString::fromStdString(out))) {
    std::fprintf(stderr, "cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%s\n", out.c_str());
  return 0;
}
