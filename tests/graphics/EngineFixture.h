// A page of 100 × 50 mm at 10 pixels per millimetre (1000 × 500 pixels) with an engine that
// draws onto a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "support/RecordingCanvas.h"

namespace tavolex::test {

inline void SetPage(double minX, double minY, double scale, double widthPx, double heightPx) {
  ViewScale = scale;
  ViewWidth = widthPx;
  ViewHeight = heightPx;
  ViewMinX = minX;
  ViewMinY = minY;
  ViewMaxX = minX + widthPx / scale;
  ViewMaxY = minY + heightPx / scale;
}

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetPage(0.0, 0.0, 10.0, 1000.0, 500.0);
    att.SetDisplayMode(true);
    GAtt = &att;
    graph = std::make_unique<TGraph1>(&canvas);
    graph->G_Start();
    canvas.Clear();
  }
  void TearDown() override {
    graph.reset();
    GAtt = nullptr;
    PolyW.clear();
    PolyWN = 0;
  }

  void SetPoly(std::initializer_list<TDPoint> pts) {
    PolyW.assign(pts);
    PolyWN = static_cast<int>(PolyW.size());
  }

  // Sets line type jn (2..9 only, index jn - 1) to the given pattern and amplitude.
  void SetLtype(int jn, std::initializer_list<double> pattern, double amp = 0.0) {
    const int n = jn - 1;
    att.SetAttrTypseg_(n, static_cast<int>(pattern.size()));
    att.SetAttrTypamp_(n, amp);
    int i = 0;
    for (double v : pattern)
      att.SetAttrTyppa1_(n, i++, v);
    att.SetAttrTypPit_(n);
  }

  TgraAttribute att;
  RecordingCanvas canvas;
  std::unique_ptr<TGraph1> graph;
};

}  // namespace tavolex::test
