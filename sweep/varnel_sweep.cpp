// varnel_sweep: converts every number of the range 0..M-1 of the moduli set
// (7, 9, 65) back through level 1 and a carry-propagate adder, silently, and
// reports each number that does not come back.

#include <iostream>

#include "cells/signed_digit_cells.h"
#include "sweep/whole_range_check.h"
#include "trace/console_pause.h"

int main() {
  const int mod1 = 7;
  const int mod2 = 9;
  const int mod3 = 65;
  const int M = mod1 * mod2 * mod3;
  const int width = 12;
  PpmmCell ppmmCell(0, 0, 0, 0);
  PppmCell pppmCell(0, 0, 0, 0);
  CpaCell cpaCell(0, 0);
  bool mismatchFound = false;

  printBanner(std::cout, mod1, mod2, mod3);
  sweepLoop(mod1, mod2, mod3, M, width, &ppmmCell, &pppmCell, &cpaCell,
            &mismatchFound, std::cin, std::cout);
  printVerdict(std::cout, mismatchFound);
  pauseWithPrompt(std::cin, std::cout, "Press Enter");
  return 0;
}
