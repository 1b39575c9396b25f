// varnel_sweep: converts every number of the range 0..M-1 of the moduli set
// (7, 9, 65) back through level 1 and a carry-propagate adder, silently, and
// reports each number that does not come back.

#include <iostream>

#include "cells/signed_digit_cells.h"
#include "sweep/whole_range_check.h"
#include "trace/console_pause.h"
#include "trace/level1_addition.h"
#include "trace/moduli.h"

int main() {
  const trace::Moduli moduli = trace::makeModuli();
  trace::Level1CellPair cells;
  signed_digit::CpaCell cpaCell(0, 0);
  bool mismatchFound = false;

  sweep::printBanner(std::cout, moduli);
  sweep::sweepLoop(moduli, &cells, &cpaCell, &mismatchFound, std::cin,
                   std::cout);
  sweep::printVerdict(std::cout, mismatchFound);
  trace::pauseWithPrompt(std::cin, std::cout, "Press Enter");
  return 0;
}
