// Recognising a drawing file and reading its header and settings tables.
#include <cstring>
#include <fstream>

#include "common/Func_2.h"
#include "jww/JwwStream.h"
#include "jww/JwwStrings.h"
#include "jww/JwwUnit.h"

namespace tavolex {

namespace {

constexpr char16_t kJwwSignature[] = u"JwwData.";
constexpr int32_t kJwwMinVersion = 220;
constexpr int32_t kJwwMaxVersion = 700;

bool VersionAccepted(int32_t version) {
  return version >= kJwwMinVersion && version <= kJwwMaxVersion;
}

std::u16string SignatureText(const uint8_t* bytes) {
  return AnsiBytesToStr(bytes, 8);
}

// Width unit selector of old drawings: below -100 the widths are in 1/100 mm and the setting
// itself is folded into -100..100.
void DeriveMaxDrawWid(TEntJwwHeader& h) {
  h.bSenHaba100 = false;
  h.nMaxDrawWidBak = h.nMaxDrawWid;
  if (h.nMaxDrawWid > -101) return;
  h.bSenHaba100 = true;
  const int32_t w = h.nMaxDrawWid;
  if (w >= -500 && w <= -401) {
    h.nMaxDrawWidBak = 400 + w;
  } else if (w >= -300 && w <= -201) {
    h.nMaxDrawWidBak = -w - 200;
  } else {
    h.nMaxDrawWidBak = -100;
  }
}

double FiniteOr(double value, double fallback) {
  return IsFiniteNumber(value) ? value : fallback;
}

}  // namespace

bool TJwwData::FileCheck(const std::filesystem::path& FName) {
  try {
    std::ifstream in(FName, std::ios::binary);
    if (!in) return false;
    uint8_t head[12] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    if (in.gcount() != static_cast<std::streamsize>(sizeof head)) return false;
    if (SignatureText(head) != kJwwSignature) return false;
    int32_t version = 0;
    std::memcpy(&version, head + 8, sizeof version);
    return VersionAccepted(version);
  } catch (...) {
    return false;
  }
}

bool TJwwData::ReadJwwHeader(TJwwStream& s) {
  EntLgrp.assign(16, {});
  EntLay.assign(256, {});
  EntCol.assign(10, {});
  EntLtp1.assign(8, {});
  EntLtp2.assign(5, {});
  EntLtp3.assign(4, {});
  EntMoj.assign(10, {});
  EntColS.assign(257, {});
  EntLtpS.assign(33, {});

  TEntJwwHeader& h = Enthd;
  auto name = [&](std::u16string& out) { out = ReadJwwName(s, MojiEncode); };

  uint8_t signature[8] = {};
  s.Read(signature, sizeof signature);
  h.jwID = SignatureText(signature);
  if (h.jwID != kJwwSignature) return false;  // "JWW-Header Error"
  s.ReadValue(h.jwVer);
  if (!VersionAccepted(h.jwVer)) return false;  // "JWW-Version Error"
  const int32_t v = h.jwVer;

  h.strMemo = ReadJwwString(s, MojiEncode);
  s.ReadValue(h.nZumen);
  s.ReadValue(h.nWriteGLay);
  for (int g = 0; g < 16; ++g) {
    TEntJwwLayerGroup& group = EntLgrp[g];
    s.ReadValue(group.anGLay);
    s.ReadValue(group.anWriteLay);
    s.ReadValue(group.adScale);
    s.ReadValue(group.anGLayProtect);
    for (int l = 0; l < 16; ++l) {
      TEntJwwLayer& layer = EntLay[g * 16 + l];
      s.ReadValue(layer.aanLay);
      s.ReadValue(layer.aanLayProtect);
    }
  }
  s.Skip(56);
  s.ReadValue(h.lnSunpou1);
  s.ReadValue(h.lnSunpou2);
  s.ReadValue(h.lnSunpou3);
  s.ReadValue(h.lnSunpou4);
  s.ReadValue(h.lnSunpou5);
  s.Skip(4);
  s.ReadValue(h.nMaxDrawWid);
  DeriveMaxDrawWid(h);

  s.ReadValue(h.DPPrtGenten_x);
  s.ReadValue(h.DPPrtGenten_y);
  s.ReadValue(h.dPrtBairitsu);
  s.ReadValue(h.nPrtSet);
  s.ReadValue(h.nMemoriMode);
  s.ReadValue(h.dMemoriHyoujiMin);
  s.ReadValue(h.dMemoriX);
  s.ReadValue(h.dMemoriY);
  s.ReadValue(h.DpMemoriKjTen_x);
  s.ReadValue(h.DpMemoriKjTen_y);

  for (TEntJwwLayer& layer : EntLay)
    name(layer.aStrLayName);
  for (TEntJwwLayerGroup& group : EntLgrp)
    name(group.aStrGLayName);

  s.ReadValue(h.dKageLevel);
  s.ReadValue(h.dKageIdo);
  s.ReadValue(h.nKage9_15JiFlg);
  s.ReadValue(h.dKabeKageLevel);
  if (v >= 300) {
    s.ReadValue(h.dTenkuuZuLevel);
    s.ReadValue(h.dTenkuuZuEnkoR);
  }
  s.ReadValue(h.nMMTani3D);
  s.ReadValue(h.dBairitsu);
  s.ReadValue(h.DPGenten_x);
  s.ReadValue(h.DPGenten_y);
  s.ReadValue(h.dHanniBairitsu);
  s.ReadValue(h.DPHanniGenten_x);
  s.ReadValue(h.DPHanniGenten_y);

  const int zoomJumps = v >= 231 ? 8 : 4;
  for (int i = 0; i < zoomJumps; ++i) {
    s.ReadValue(h.dZoomJumpBairitsu[i]);
    s.ReadValue(h.DPZoomJumpGenten_x[i]);
    s.ReadValue(h.DPZoomJumpGenten_y[i]);
    if (v >= 231) s.ReadValue(h.nZoomJumpGLay[i]);
  }
  if (v >= 231) {
    s.ReadValue(h.dDm11);
    s.ReadValue(h.dDm12);
    s.ReadValue(h.dDm13);
    s.ReadValue(h.lnDm1);
    s.ReadValue(h.dDm21);
    s.ReadValue(h.dDm22);
    s.ReadValue(h.dMojiBG);
    s.ReadValue(h.nMojiBG);
  }

  for (double& spacing : h.adFukusenSuuchi)
    s.ReadValue(spacing);
  s.ReadValue(h.dRyougawaFukusenTomeDe);

  for (TEntJwwColorNo& pen : EntCol) {
    s.ReadValue(pen.aPenColor);
    s.ReadValue(pen.anPenWidth);
  }
  for (TEntJwwColorNo& pen : EntCol) {
    s.ReadValue(pen.aPrtPenColor);
    s.ReadValue(pen.anPrtPenWidth);
    s.ReadValue(pen.adPrtTenHankei);
  }
  auto readLineType = [&](TEntJwwLineTypeNo& t) {
    s.ReadValue(t.alLType);
    s.ReadValue(t.anTokushuSenUintDot);
    s.ReadValue(t.anTokushuSenPich);
    s.ReadValue(t.anPrtTokushuSenPich);
  };
  for (TEntJwwLineTypeNo& t : EntLtp1)
    readLineType(t);
  for (TEntJwwRandomLineNo& t : EntLtp2) {
    s.ReadValue(t.alLType);
    s.ReadValue(t.anRandSenWide);
    s.ReadValue(t.anTokushuSenPich);
    s.ReadValue(t.anPrtRandSenWide);
    s.ReadValue(t.anPrtTokushuSenPich);
  }
  for (TEntJwwLineTypeNo& t : EntLtp3)
    readLineType(t);

  s.ReadValue(h.nDrawGamenTen);
  s.ReadValue(h.nDrawPrtTen);
  s.ReadValue(h.nBitMapFirstDraw);
  s.ReadValue(h.nGyakuDraw);
  s.ReadValue(h.nGyakuSearch);
  s.ReadValue(h.nColorPrint);
  s.ReadValue(h.nLayJunPrint);
  s.ReadValue(h.nColJunPrint);
  s.ReadValue(h.nPrtRenzoku);
  s.ReadValue(h.nPrtKyoutsuuGray);
  int32_t printCombined = 0;
  s.ReadValue(printCombined);
  h.nPrtDpi = printCombined / 10;
  h.nPrtDispOnlyNonDraw = printCombined % 10;

  if (v >= 223) {
    s.ReadValue(h.lnDrawTime);
    s.ReadValue(h.nEyeInit);
    s.ReadValue(h.dEye_H_Ichi_1);
    s.ReadValue(h.dEye_H_Ichi_2);
    s.ReadValue(h.dEye_H_Ichi_3);
    s.ReadValue(h.dEye_Z_Ichi_1);
    s.ReadValue(h.dEye_Y_Ichi_1);
    s.ReadValue(h.dEye_Z_Ichi_2);
    s.ReadValue(h.dEye_Y_Ichi_2);
    s.ReadValue(h.dEye_V_Ichi_3);
  }
  if (v >= 225) {
    s.ReadValue(h.dSenNagasaSnpou);
    s.ReadValue(h.dBoxSunpouX);
    s.ReadValue(h.dBoxSunpouY);
    s.ReadValue(h.dEnHankeiSnpou);
  }
  if (v >= 230) {
    s.ReadValue(h.nSolidNinniColor);
    s.ReadValue(h.SolidColor);
  }
  if (v >= 420) {
    for (TEntJwwColorExNo& pen : EntColS) {
      s.ReadValue(pen.aPenColor);
      s.ReadValue(pen.anPenWidth);
    }
    for (TEntJwwColorExNo& pen : EntColS) {
      name(pen.astrUDColorName);
      s.ReadValue(pen.aPrtPenColor);
      s.ReadValue(pen.anPrtPenWidth);
      s.ReadValue(pen.adPrtTenHankei);
    }
    for (TEntJwwLineTypeExNo& t : EntLtpS) {
      s.ReadValue(t.alLType);
      s.ReadValue(t.anTokushuSenUintDot);
      s.ReadValue(t.anTokushuSenPich);
      s.ReadValue(t.anPrtTokushuSenPich);
    }
    for (TEntJwwLineTypeExNo& t : EntLtpS) {
      name(t.astrUDLTypeName);
      s.ReadValue(t.anUDLTypeSegment);
      for (double& pitch : t.aadUDLTypePitch)
        s.ReadValue(pitch);
    }
  }

  for (TEntJwwMojiType& m : EntMoj) {
    s.ReadValue(m.adMojiX);
    s.ReadValue(m.adMojiY);
    s.ReadValue(m.adMojiD);
    s.ReadValue(m.anMojiCol);
    m.adMojiX = FiniteOr(m.adMojiX, 3.0);
    m.adMojiY = FiniteOr(m.adMojiY, 3.0);
    m.adMojiD = FiniteOr(m.adMojiD, 0.0);
  }
  s.ReadValue(h.dMojiSizeX);
  s.ReadValue(h.dMojiSizeY);
  s.ReadValue(h.dMojiKankaku);
  h.dMojiSizeX = FiniteOr(h.dMojiSizeX, 3.0);
  h.dMojiSizeY = FiniteOr(h.dMojiSizeY, 3.0);
  h.dMojiKankaku = FiniteOr(h.dMojiKankaku, 0.0);

  s.ReadValue(h.nMojiColor);
  s.ReadValue(h.nMojiShu);
  s.ReadValue(h.dMojiSeiriGyouKan);
  s.ReadValue(h.dMojiSeiriSuu);
  s.ReadValue(h.nMojiKijunZureOn);
  s.ReadValue(h.adMojiKijunZureX0);
  s.ReadValue(h.adMojiKijunZureX1);
  s.ReadValue(h.adMojiKijunZureX2);
  s.ReadValue(h.adMojiKijunZureY0);
  s.ReadValue(h.adMojiKijunZureY1);
  // The last field tells whether the header arrived whole ("File I/O Error").
  return s.ReadValue(h.adMojiKijunZureY2);
}

}  // namespace tavolex
