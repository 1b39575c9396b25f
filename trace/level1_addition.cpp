#include "trace/level1_addition.h"

void level1Addition(const int* const* addRows, const int* const* subRows,
                    int width, PpmmCell* ppmmCell, PppmCell* pppmCell,
                    int* level1Digits) {
  for (int j = 0; j < width; ++j) level1Digits[j] = 0;

  for (int j = 0; j < width; ++j) {
    const int addBits[3] = {addRows[0][j], addRows[1][j], addRows[2][j]};
    const int s0 = subRows[0][j];
    const int s1 = subRows[1][j];

    if (s0 != 0 && s1 != 0) {
      // Drop the first add row whose bit is 0 (B+ once C+ and A+ are 1) and
      // take the other two in cyclic order after it.
      int dropped = 2;
      if (addBits[0] == 0) {
        dropped = 0;
      } else if (addBits[1] == 0) {
        dropped = 1;
      }
      const int plus1 = addBits[(dropped + 1) % 3];
      const int plus2 = addBits[(dropped + 2) % 3];
      ppmmCell->set(plus1, plus2, s0, s1);
      ppmmCell->evaluate(&level1Digits[j]);
    } else {
      const int minus1 = (s0 != 0) ? s0 : s1;
      pppmCell->set(addBits[0], addBits[1], addBits[2], minus1);
      pppmCell->evaluate(&level1Digits[j]);
    }
  }
}
