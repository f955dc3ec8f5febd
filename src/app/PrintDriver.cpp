#include "app/PrintDriver.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <system_error>

#include "app/DosTime.h"
#include "app/RefFile.h"
#include "common/Func_2.h"
#include "common/UnitVal.h"
#include "graphics/UnitGraAtt.h"

namespace tavolex {

namespace {

constexpr double kPi = std::numbers::pi;

// The position of group g in the print order, as the drawing traversal reads it.
int OrderPosition(int g, int order) {
  return order == kOrderReverseLayer ? 15 - g : g;
}

bool IsDrawingFile(const std::filesystem::path& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

bool UsableScale(double s) {
  return std::isfinite(s) && s > 0.0;
}

}  // namespace

bool RunComplete(const TPrintRunResult& r, int drawingsGiven) {
  return r.pagesPrinted > 0 && r.filesPrinted == drawingsGiven && !r.printerFailed && !r.aborted;
}

int DrawingSheet(int paperCode) {
  return paperCode >= 0 && paperCode <= 4 ? paperCode : -1;
}

namespace {

// The extents box as it lies after the drawing has turned by rot about its origin.
void TurnedExtents(double rot, double& minX, double& minY, double& maxX, double& maxY) {
  const double xs[4] = {minX, maxX, maxX, minX};
  const double ys[4] = {minY, minY, maxY, maxY};
  for (int i = 0; i < 4; ++i) {
    const double x = RotateX(xs[i], ys[i], 0.0, 0.0, rot);
    const double y = RotateY(xs[i], ys[i], 0.0, 0.0, rot);
    if (i == 0) {
      minX = maxX = x;
      minY = maxY = y;
      continue;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
}

}  // namespace

TPagePlacement PlacePage(const TPrintSettings& s, const TPrintHeader& header, double minX,
                         double minY, double maxX, double maxY, int pageWidthPx, int pageHeightPx,
                         double pageWidthMm) {
  TPagePlacement p;
  double scale = 1.0;
  double ox = 0.0;
  double oy = 0.0;
  if (s.PrnStyle == kStyleDrawing) {
    // A damaged header scale would make the window infinite; it prints at 1 as a zero given
    // scale does.
    scale = UsableScale(header.dPrtBairitsu) ? header.dPrtBairitsu : 1.0;
    ox = std::isfinite(header.DPPrtGenten_x) ? header.DPPrtGenten_x : 0.0;
    oy = std::isfinite(header.DPPrtGenten_y) ? header.DPPrtGenten_y : 0.0;
    const int turn = header.nPrtSet % 10;
    p.rotation = turn == 1 ? -kPi / 2.0 : (turn == 2 ? kPi / 2.0 : 0.0);
  } else {
    scale = s.PrnScale > 0.0 ? s.PrnScale : 1.0;
    ox = s.PrnOfstX;
    oy = s.PrnOfstY;
    p.rotation = -s.PrnAngle / 180.0 * kPi;
  }
  p.viewWidth = pageWidthPx;
  p.viewHeight = pageHeightPx;
  // Pixels per paper millimetre; a printer reporting no size is taken as 600 dpi.
  const double pxPerMm = pageWidthMm > 0.0 ? p.viewWidth / pageWidthMm : 600.0 / 25.4;
  double cx = ox;
  double cy = oy;
  if (s.PrnStyle == kStyleFit) {
    // Fit printing fits what lands on the sheet: the drawing as it is turned.
    if (p.rotation != 0.0) TurnedExtents(p.rotation, minX, minY, maxX, maxY);
    const double w = std::fabs(maxX - minX) * 1.01;
    const double h = std::fabs(maxY - minY) * 1.01;
    cx = (minX + maxX) / 2.0 + ox;
    cy = (minY + maxY) / 2.0 + oy;
    if (w > 0.0 && h > 0.0) {
      const double sx = p.viewWidth / w;
      const double sy = p.viewHeight / h;
      p.viewScale = sx < sy ? sx : sy;
    } else {
      // Extents without width or height cannot be fitted: magnification 1.
      p.viewScale = pxPerMm;
    }
  } else {
    p.viewScale = pxPerMm * scale;
  }
  if (!UsableScale(p.viewScale)) p.viewScale = pxPerMm;
  p.minX = cx - 0.5 * p.viewWidth / p.viewScale;
  p.maxX = cx + 0.5 * p.viewWidth / p.viewScale;
  p.minY = cy - 0.5 * p.viewHeight / p.viewScale;
  p.maxY = cy + 0.5 * p.viewHeight / p.viewScale;
  return p;
}

TPagePlacement FitPlacement(double minX, double minY, double maxX, double maxY, int widthPx,
                            int heightPx) {
  TPrintSettings fit;
  fit.PrnStyle = kStyleFit;
  return PlacePage(fit, TPrintHeader{}, minX, minY, maxX, maxY, widthPx, heightPx, 0.0);
}

void UsePlacement(const TPagePlacement& place) {
  ViewWidth = place.viewWidth;
  ViewHeight = place.viewHeight;
  ViewScale = place.viewScale;
  ViewMinX = place.minX;
  ViewMinY = place.minY;
  ViewMaxX = place.maxX;
  ViewMaxY = place.maxY;
}

void TPrintDriver::CopyTablesToAttributes() {
  GAtt->SetDispHojo(s_.PrnHojo);
  for (int i = 0; i < static_cast<int>(s_.PrnCol.size()); ++i) {
    const TPrnColor& c = s_.PrnCol[i];
    GAtt->SetAttrCol_(i, RgbToArgb(LimitColor(c.color)), c.width, c.ten_r);
  }
  for (int i = 0; i < static_cast<int>(s_.PrnTyp.size()); ++i) {
    const TPrnLtype& lt = s_.PrnTyp[i];
    const int seg = LimitLtypeSeg(lt.seg);
    GAtt->SetAttrTypamp_(i, lt.amp);
    GAtt->SetAttrTypseg_(i, seg);
    for (int pn = 0; pn < seg; ++pn)
      GAtt->SetAttrTyppa1_(i, pn, lt.pa[pn]);
    GAtt->SetAttrTypPit_(i);
  }
}

TPrintRunResult TPrintDriver::Run(std::vector<std::filesystem::path> list) {
  TPrintRunResult result;
  result_ = &result;
  UseLtypeUnit(s_.LtypeUnit);
  CopyTablesToAttributes();
  RefFileOpen(AppFolder);
  // With the drawings' own sheets the one document begins at its first page, once the first
  // drawing has chosen the sheet: a begun page keeps the sheet it was begun on.
  runDocumentPending_ = s_.PrnRen2 == 1 && DrawingPaper;
  if (s_.PrnRen2 == 1 && !runDocumentPending_) BeginRunDocument();
  bool printed = false;
  const int count = static_cast<int>(list.size());
  for (int i = 0; i < count; ++i) {
    if (EscPressed && EscPressed()) {
      result.aborted = true;
      break;
    }
    const std::filesystem::path& path = list[i];
    if (!IsDrawingFile(path) || !doc_.FileCheck(path)) {
      result.passedOver.push_back(path);
      continue;
    }
    if (OnFileStart) OnFileStart(i, u"印刷中：" + StrFromPath(path) + u"　[ESC:中断]");
    const int pagesBefore = result.pagesPrinted;
    fileRefused_ = false;
    PrintFile(path, printed);
    // A drawing counts only when it reached paper; a damaged one may have been read too little.
    // When the printer refused it, the printer is to blame, not the drawing.
    if (result.pagesPrinted > pagesBefore) {
      ++result.filesPrinted;
    } else if (!fileRefused_) {
      result.nothingToPrint.push_back(path);
    }
    if (OnFileEnd) OnFileEnd(i);
  }
  if (s_.PrnRen2 == 1 && pageOpen_) {
    pageOpen_ = false;
    // The run's one document was refused: none of its pages reached paper.
    if (!printer_.PrnEndDoc()) {
      result.printerFailed = true;
      result.pagesPrinted = 0;
      result.filesPrinted = 0;
    }
  }
  doc_.JwwDataFree();
  result.status =
      result.aborted ? u"[Esc]キーを押しましたので印刷を途中終了します。" : u"印刷終了しました。";
  result_ = nullptr;
  return result;
}

void TPrintDriver::PrintFile(const std::filesystem::path& FName, bool& Printed) {
  zfile = StrFromPath(FName);
  zfold = FolderOf(zfile);
  ztime = FileDosTime(FName);
  ZuFileTime = DosToDateTime(ztime);

  doc_.JwwDataFree();
  doc_.FileIn(FName);
  doc_.BindImageExplode();
  if (s_.PrnColor == kFromDrawing) doc_.FileColorSet();
  if (s_.PrnLtype == kFromDrawing) doc_.FileLtypeSet();
  doc_.SetGAttLayer();
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
  doc_.GetMinMaxZahyo(minX, minY, maxX, maxY);

  AdjustDisplayOnlyLayers();
  if (DrawingPaper) ChooseSheet(FName);
  const TPagePlacement place =
      PlacePage(s_, doc_.PrintHeader(), minX, minY, maxX, maxY, printer_.PageWidthPx(),
                printer_.PageHeightPx(), PrnPageWmm(printer_));
  UsePrintMode(*GAtt, s_);
  UsePlacement(place);

  title_ = u"Tavolex_" + FileNameOf(zfile);
  if (s_.PrnRen1 == 0) {
    PrintSinglePage(Printed, place.rotation);
  } else {
    PrintGroupPages(Printed, place.rotation);
  }
}

void TPrintDriver::ChooseSheet(const std::filesystem::path& FName) {
  const int sheet = DrawingSheet(doc_.PaperCode());
  if (sheet < 0 && result_ != nullptr) result_->paperFallback.push_back(FName);
  printer_.UseSheet(sheet);
}

void TPrintDriver::AdjustDisplayOnlyLayers() {
  if (s_.PrnDOLay == kDisplayOnlyHidden) {
    for (int g = 0; g < 16; ++g) {
      const int gs = doc_.GroupState(g);
      for (int l = 0; l < 16; ++l) {
        const int n = g * 16 + l;
        if (gs == 1 || (gs != 0 && doc_.LayerState(n) == 1)) GAtt->SetAttrLayer(n, 3);
      }
    }
  } else if (s_.PrnDOLay == kDisplayOnlyGrey) {
    GAtt->SetGrayColor(RgbToArgb(doc_.DisplayOnlyPrintColor()));
  } else if (s_.PrnDOLay == kDisplayOnlyColour) {
    GAtt->SetGrayColor(RgbToArgb(static_cast<uint32_t>(s_.PrnDOLCol)));
  } else {
    for (int g = 0; g < 16; ++g) {
      if (doc_.GroupState(g) == 0) continue;
      for (int l = 0; l < 16; ++l) {
        const int n = g * 16 + l;
        if (doc_.LayerState(n) != 0) GAtt->SetAttrLayer(n, 1);
      }
    }
  }
}

void TPrintDriver::PrintSinglePage(bool& Printed, double rot) {
  if (doc_.CountElements(-1, -1) <= 0) return;
  if (!BeginPage(title_, Printed)) return;
  DrawOnPage(-1, rot);
  EndPage(Printed);
}

long long TPrintDriver::GroupElements(int g) const {
  long long sum = 0;
  for (int l = 0; l < 16; ++l) {
    if (GAtt->GetAttrLayerState(g * 16 + l) != 3) sum += doc_.CountElements(g, l);
  }
  return sum;
}

void TPrintDriver::PrintGroupPages(bool& Printed, double rot) {
  const int order = s_.PrnOrder;
  for (int q = 0; q < 16; ++q) {
    const int g = OrderPosition(q, order);
    const int gs = doc_.GroupState(g);
    if (g == CommonGroupOf(s_.PrnRenLG)) continue;
    if (s_.PrnRenLG == kCommonGroupDisplayOnly && gs == 1) continue;
    if (gs == 0) continue;
    if (s_.PrnDOLay == kDisplayOnlyHidden && gs == 1) continue;
    if (GroupElements(g) == 0) continue;

    if (!BeginPage(u"[" + IntStr(g) + u"]" + title_, Printed)) continue;
    DrawOnPage(q, rot);
    const int c = CommonGroupOf(s_.PrnRenLG);
    if (c >= 0) {
      const int cs = doc_.GroupState(c);
      if (cs != 0 && (cs != 1 || s_.PrnDOLay != kDisplayOnlyHidden))
        DrawOnPage(OrderPosition(c, order), rot);
    } else if (s_.PrnRenLG == kCommonGroupDisplayOnly && s_.PrnDOLay > kDisplayOnlyHidden) {
      for (int i = 0; i < 16; ++i) {
        if (doc_.GroupState(i) == 1) DrawOnPage(OrderPosition(i, order), rot);
      }
    }
    EndPage(Printed);
  }
}

void TPrintDriver::PrinterFailed() {
  fileRefused_ = true;
  if (result_ != nullptr) result_->printerFailed = true;
}

bool TPrintDriver::BeginRunDocument() {
  pageOpen_ = printer_.PrnTitle(u"Tavolex 印刷");
  if (!pageOpen_) PrinterFailed();
  return pageOpen_;
}

bool TPrintDriver::BeginPage(const std::u16string& title, bool Printed) {
  if (s_.PrnRen2 == 0) {
    if (!printer_.PrnTitle(title)) {
      PrinterFailed();
      return false;
    }
    pageOpen_ = true;
    return true;
  }
  if (runDocumentPending_) {
    runDocumentPending_ = false;
    return BeginRunDocument();
  }
  if (!pageOpen_) {  // the run's document could not be begun
    PrinterFailed();
    return false;
  }
  if (Printed && !printer_.PrnNewPage()) {
    PrinterFailed();
    return false;
  }
  return true;
}

void TPrintDriver::DrawOnPage(int lay1, double rot) {
  Canvas* canvas = printer_.PageCanvas();
  if (canvas == nullptr) return;
  doc_.DrawPage(*canvas, s_.PrnOrder, lay1, rot);
}

void TPrintDriver::EndPage(bool& Printed) {
  Printed = true;
  if (s_.PrnRen2 == 0) {
    pageOpen_ = false;
    // A page whose document the printer did not take never reached paper.
    if (!printer_.PrnEndDoc()) {
      PrinterFailed();
      return;
    }
  }
  if (result_ != nullptr) ++result_->pagesPrinted;
}

}  // namespace tavolex
