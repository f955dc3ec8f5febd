#include "support/HeavyDrawings.h"

namespace tavolex::test {

WDrawing SelfInsertingDrawing(int lines) {
  WDrawing d;
  d.header.jwVer = 600;
  WBlockDef def{.nNumber = 1};
  for (int i = 0; i < lines; ++i) {
    const double x = (i % 60) * 10.0;
    const double y = (i / 60) * 10.0;
    def.entities.push_back(WLine{.start_x = x, .start_y = y, .end_x = x + 8, .end_y = y + 8});
  }
  def.entities.push_back(
      WBlock{.DPKijunTen_x = 700, .dBairitsuX = 0.5, .dBairitsuY = 0.5, .nNumber = 1});
  def.entities.push_back(
      WBlock{.DPKijunTen_y = 700, .dBairitsuX = 0.5, .dBairitsuY = 0.5, .nNumber = 1});
  d.blockDefs.push_back(def);
  d.entities.push_back(WBlock{.nNumber = 1});
  return d;
}

}  // namespace tavolex::test
