#include "app/JwwPrintDocument.h"

namespace tavolex {

void JwwDataFree(TJwwData& JW) {
  JW.BindImageDeleteGzFile();
  JW.BindImageDeleteNonGzFile();
  JW.DataFree();
  JW.BindImageInit();
}

}  // namespace tavolex
