// Creating and emptying the document.
#include "jww/JwwUnit.h"

namespace tavolex {

TJwwData::TJwwData() {
  DataInit();
}

TJwwData::~TJwwData() {
  DataFree();
}

void TJwwData::DataInit() {
  FileOutOpt = 0;
  Enthd = TEntJwwHeader{};

  EntLgrp.clear();
  EntLay.clear();
  EntCol.clear();
  EntLtp1.clear();
  EntLtp2.clear();
  EntLtp3.clear();
  EntColS.clear();
  EntLtpS.clear();
  EntMoj.clear();

  EntNo.clear();
  EntLine.clear();
  EntLineN = 0;
  EntEnko.clear();
  EntEnkoN = 0;
  EntTen.clear();
  EntTenN = 0;
  EntMoji.clear();
  EntMojiN = 0;
  EntSunpo.clear();
  EntSunpoN = 0;
  EntSolid.clear();
  EntSolidN = 0;
  EntBlock.clear();
  EntBlockN = 0;
  EntBlockDef.clear();
  EntBlockDefN = 0;
  EntBlockTree.clear();
  EntBlockTreeN = 0;
  EntBlockNum = 0;
  BlockTreeTruncated = false;

  BindImageInit();
  FontNameN = 0;
  FontNames.clear();
  MojiEncode = false;
}

void TJwwData::DataFree() {
  // Give the memory back, not only the elements: the document lives for the whole program.
  std::vector<TEntJwwBlockDef>().swap(EntBlockDef);
  std::vector<TEntJwwLine>().swap(EntLine);
  std::vector<TEntJwwEnko>().swap(EntEnko);
  std::vector<TEntJwwTen>().swap(EntTen);
  std::vector<TEntJwwMoji>().swap(EntMoji);
  std::vector<TEntJwwSunpo>().swap(EntSunpo);
  std::vector<TEntJwwSolid>().swap(EntSolid);
  std::vector<TEntJwwBlock>().swap(EntBlock);
  std::vector<TEntJwwBlockTree>().swap(EntBlockTree);
  std::vector<TEntJwwNo>().swap(EntNo);
  DataInit();
}

}  // namespace tavolex
