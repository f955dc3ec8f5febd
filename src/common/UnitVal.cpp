#include "common/UnitVal.h"

namespace tavolex {

TgraAttribute* GAtt = nullptr;
TGraph1* GGraph = nullptr;

double ViewMinX = 0.0;
double ViewMinY = 0.0;
double ViewMaxX = 0.0;
double ViewMaxY = 0.0;
double ViewScale = 1.0;
double ViewWidth = 0.0;
double ViewHeight = 0.0;

std::vector<TDPoint> PolyW;
int PolyWN = 0;
std::vector<TPointF> PolyD;
int PolyDN = 0;

std::u16string ZuFileName;
std::u16string ZuDrawTime;
std::u16string ZuMemo;
std::u16string ZuMemo1;
std::u16string ZuMemo2;
double ZuPrtScale = 1.0;
TDateTime ZuFileTime;

std::u16string RefFileName;
std::vector<TStr2List> Str2List;
int Str2ListN = 0;

double ZuGLayScale = 1.0;
double LtypeUnit = 0.035;
int ZuBackKind = 0;

}  // namespace tavolex
