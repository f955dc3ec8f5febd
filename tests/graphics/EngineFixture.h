// A page of 100 × 50 mm at 10 pixels per millimetre (1000 × 500 pixels) with an engine that
// draws onto a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
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
    graph = std::make_unique<TGraph1>(&canvas);
    graph->G_Start();
    canvas.Clear();
  }
  void TearDown() override {
    graph.reset();
    PolyW.clear();
    PolyWN = 0;
  }

  void SetPoly(std::initializer_list<TDPoint> pts) {
    PolyW.assign(pts);
    PolyWN = static_cast<int>(PolyW.size());
  }

  RecordingCanvas canvas;
  std::unique_ptr<TGraph1> graph;
};

}  // namespace tavolex::test
