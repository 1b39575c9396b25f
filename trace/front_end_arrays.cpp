#include "trace/front_end_arrays.h"

namespace trace {

void allocateFrontEndArrays(int width, FrontEndArrays* arrays) {
  arrays->x1Bits = new int[kX1BitCount];
  arrays->x2Bits = new int[kX2BitCount];
  arrays->x3Bits = new int[kX3BitCount];
  arrays->addRows = new int*[kAddRowCount];
  for (int row = 0; row < kAddRowCount; ++row) {
    arrays->addRows[row] = new int[width];
  }
  arrays->subRows = new int*[kSubRowCount];
  for (int row = 0; row < kSubRowCount; ++row) {
    arrays->subRows[row] = new int[width];
  }
  arrays->level1Digits = new int[width];
}

void releaseFrontEndArrays(FrontEndArrays* arrays) {
  delete[] arrays->x1Bits;
  delete[] arrays->x2Bits;
  delete[] arrays->x3Bits;
  for (int row = 0; row < kAddRowCount; ++row) delete[] arrays->addRows[row];
  for (int row = 0; row < kSubRowCount; ++row) delete[] arrays->subRows[row];
  delete[] arrays->addRows;
  delete[] arrays->subRows;
  delete[] arrays->level1Digits;
}

}  // namespace trace
