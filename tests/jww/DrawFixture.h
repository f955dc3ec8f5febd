// In-memory drawings for the measuring and drawing tests, and a page of 200 × 200 mm centred on
// the origin at 10 pixels per millimetre (device x = 10·(X + 100), device y = 1000 − 10·Y), with
// the engine drawing onto a recording canvas.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "common/UnitVal.h"
#include "graphics/GraUnit1.h"
#include "graphics/UnitGraAtt.h"
#include "jww/JwwUnit.h"
#include "support/RecordingCanvas.h"

namespace tavolex::test {

inline TEntJwwAttr Attr(int group = 0, int layer = 0, int pen = 1, int style = 1) {
  TEntJwwAttr a;
  a.nGLayer = static_cast<uint16_t>(group);
  a.nLayer = static_cast<uint16_t>(layer);
  a.nPenColor = static_cast<uint16_t>(pen);
  a.nPenStyle = static_cast<uint8_t>(style);
  return a;
}

inline TEntJwwLine Line(double x1, double y1, double x2, double y2, TEntJwwAttr att = Attr()) {
  TEntJwwLine e;
  e.att = att;
  e.start_x = x1;
  e.start_y = y1;
  e.end_x = x2;
  e.end_y = y2;
  return e;
}

inline TEntJwwEnko Circle(double cx, double cy, double r, TEntJwwAttr att = Attr()) {
  TEntJwwEnko e;
  e.att = att;
  e.start_x = cx;
  e.start_y = cy;
  e.dHankei = r;
  e.dHenpeiRitsu = 1.0;
  e.radEnkoKaku = 2.0 * 3.141592653589793;
  e.bZenEnFlg = 1;
  return e;
}

inline TEntJwwTen Point(double x, double y, TEntJwwAttr att = Attr()) {
  TEntJwwTen e;
  e.att = att;
  e.start_x = x;
  e.start_y = y;
  e.dBairitsu = 1.0;
  return e;
}

inline TEntJwwMoji Text(double x1, double y1, double x2, double y2, std::u16string s,
                        TEntJwwAttr att = Attr()) {
  TEntJwwMoji e;
  e.att = att;
  e.start_x = x1;
  e.start_y = y1;
  e.end_x = x2;
  e.end_y = y2;
  e.dSizeX = 3.0;
  e.dSizeY = 3.0;
  e.strFontName = u"ＭＳ ゴシック";
  e.str = std::move(s);
  return e;
}

inline TEntJwwSolid Solid(double x1, double y1, double x2, double y2, double x3, double y3,
                          double x4, double y4, TEntJwwAttr att = Attr()) {
  TEntJwwSolid e;
  e.att = att;
  e.start_x = x1;
  e.start_y = y1;
  e.end_x = x2;
  e.end_y = y2;
  e.DPoint2_x = x3;
  e.DPoint2_y = y3;
  e.DPoint3_x = x4;
  e.DPoint3_y = y4;
  return e;
}

// Builds a document or a block definition entity by entity, keeping counts and order lists.
class DocBuilder {
 public:
  explicit DocBuilder(TJwwData& doc) : doc_(doc) {
    doc_.EntLgrp.assign(16, {});
    for (auto& g : doc_.EntLgrp)
      g.adScale = 1.0;
  }

  DocBuilder& Add(const TEntJwwLine& e) { return Push(doc_.EntLine, doc_.EntLineN, e, kEntLine); }
  DocBuilder& Add(const TEntJwwEnko& e) { return Push(doc_.EntEnko, doc_.EntEnkoN, e, kEntEnko); }
  DocBuilder& Add(const TEntJwwTen& e) { return Push(doc_.EntTen, doc_.EntTenN, e, kEntTen); }
  DocBuilder& Add(const TEntJwwMoji& e) { return Push(doc_.EntMoji, doc_.EntMojiN, e, kEntMoji); }
  DocBuilder& Add(const TEntJwwSunpo& e) {
    return Push(doc_.EntSunpo, doc_.EntSunpoN, e, kEntSunpo);
  }
  DocBuilder& Add(const TEntJwwSolid& e) {
    return Push(doc_.EntSolid, doc_.EntSolidN, e, kEntSolid);
  }

  // A block definition with the given number; returns its index.
  int Define(uint32_t number) {
    TEntJwwBlockDef d;
    d.nNumber = number;
    doc_.EntBlockDef.push_back(std::move(d));
    doc_.EntBlockDefN = static_cast<int32_t>(doc_.EntBlockDef.size());
    return doc_.EntBlockDefN - 1;
  }
  TEntJwwBlockDef& Def(int index) { return doc_.EntBlockDef[index]; }

  template <typename T>
  void AddTo(int def, const T& e) {
    TEntJwwBlockDef& d = doc_.EntBlockDef[def];
    if constexpr (std::is_same_v<T, TEntJwwLine>) Member(d, d.mLine, d.mLineN, e, kEntLine);
    if constexpr (std::is_same_v<T, TEntJwwEnko>) Member(d, d.mEnko, d.mEnkoN, e, kEntEnko);
    if constexpr (std::is_same_v<T, TEntJwwTen>) Member(d, d.mTen, d.mTenN, e, kEntTen);
    if constexpr (std::is_same_v<T, TEntJwwMoji>) Member(d, d.mMoji, d.mMojiN, e, kEntMoji);
    if constexpr (std::is_same_v<T, TEntJwwSunpo>) Member(d, d.mSunpo, d.mSunpoN, e, kEntSunpo);
    if constexpr (std::is_same_v<T, TEntJwwSolid>) Member(d, d.mSolid, d.mSolidN, e, kEntSolid);
    if constexpr (std::is_same_v<T, TEntJwwBlock>) Member(d, d.mBlock, d.mBlockN, e, kEntBlock);
  }

  static TEntJwwBlock Insert(uint32_t number, double x, double y, double sx = 1, double sy = 1,
                             double rot = 0, TEntJwwAttr att = Attr()) {
    TEntJwwBlock b;
    b.att = att;
    b.DPKijunTen_x = x;
    b.DPKijunTen_y = y;
    b.dBairitsuX = sx;
    b.dBairitsuY = sy;
    b.radKaitenKaku = rot;
    b.nNumber = number;
    return b;
  }

  // An insert of the drawing itself; the tree is rebuilt.
  DocBuilder& Place(const TEntJwwBlock& b) {
    Push(doc_.EntBlock, doc_.EntBlockN, b, kEntBlock);
    doc_.MakeBlockTree();
    return *this;
  }
  void Rebuild() { doc_.MakeBlockTree(); }

 private:
  template <typename T>
  DocBuilder& Push(std::vector<T>& v, int32_t& n, const T& e, int32_t kind) {
    v.push_back(e);
    doc_.EntNo.push_back({kind, n});
    ++n;
    doc_.Enthd.n1 = static_cast<int32_t>(doc_.EntNo.size());
    return *this;
  }
  template <typename T>
  static void Member(TEntJwwBlockDef& d, std::vector<T>& v, int32_t& n, const T& e, int32_t kind) {
    v.push_back(e);
    d.mNo.push_back({kind, n});
    ++n;
    d.N = static_cast<int32_t>(d.mNo.size());
  }

  TJwwData& doc_;
};

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ViewScale = 10.0;
    ViewWidth = 2000.0;
    ViewHeight = 2000.0;
    ViewMinX = -100.0;
    ViewMinY = -100.0;
    ViewMaxX = 100.0;
    ViewMaxY = 100.0;
    att = std::make_unique<TgraAttribute>();
    graph = std::make_unique<TGraph1>(&canvas);
    graph->G_Start();
    GAtt = att.get();
    GGraph = graph.get();
    ZuGLayScale = 1.0;
    canvas.Clear();
  }
  void TearDown() override {
    GGraph = nullptr;
    GAtt = nullptr;
    graph.reset();
    att.reset();
    PolyW.clear();
    PolyWN = 0;
    ZuGLayScale = 1.0;
  }

  static int DevX(double x) { return static_cast<int>(std::lround(10.0 * (x + 100.0))); }
  static int DevY(double y) { return static_cast<int>(std::lround(1000.0 - 10.0 * y)); }

  // The canvas calls as a compact story: "F" per fill, "L<x>" per line segment (device x of its
  // first end), in drawing order.
  std::vector<std::string> Trace() const {
    std::vector<std::string> out;
    int lastX = 0;
    for (const CanvasCall& c : canvas.calls) {
      if (c.kind == CallKind::FillPolygon) out.push_back("F");
      if (c.kind == CallKind::MoveTo) lastX = c.x;
      if (c.kind == CallKind::LineTo) {
        std::string step = "L";
        step += std::to_string(lastX);
        out.push_back(step);
        lastX = c.x;
      }
    }
    return out;
  }

  TJwwData doc;
  DocBuilder build{doc};
  RecordingCanvas canvas;
  std::unique_ptr<TgraAttribute> att;
  std::unique_ptr<TGraph1> graph;
};

}  // namespace tavolex::test
