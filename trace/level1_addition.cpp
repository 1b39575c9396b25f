#include "trace/level1_addition.h"

#include "trace/front_end_arrays.h"

namespace trace {

void level1Addition(const int* const* addRows, const int* const* subRows,
                    int width, Level1CellPair* cells, int* level1Digits) {
  for (int j = 0; j < width; ++j) level1Digits[j] = 0;

  for (int j = 0; j < width; ++j) {
    int addBits[kAddRowCount];
    for (int row = 0; row < kAddRowCount; ++row) addBits[row] = addRows[row][j];
    const int s0 = subRows[0][j];
    const int s1 = subRows[1][j];

    if (s0 != 0 && s1 != 0) {
      // Drop the first add row whose bit is 0 (B+ once C+ and A+ are 1) and
      // take the other two in cyclic order after it.
      int dropped = 0;
      while (dropped < kAddRowCount - 1 && addBits[dropped] != 0) ++dropped;
      const int plus1 = addBits[(dropped + 1) % kAddRowCount];
      const int plus2 = addBits[(dropped + 2) % kAddRowCount];
      cells->ppmmCell.set(plus1, plus2, s0, s1);
      cells->ppmmCell.evaluate(&level1Digits[j]);
    } else {
      const int minus1 = (s0 != 0) ? s0 : s1;
      cells->pppmCell.set(addBits[0], addBits[1], addBits[2], minus1);
      cells->pppmCell.evaluate(&level1Digits[j]);
    }
  }
}

}  // namespace trace
