// varnel_trace: converts one typed number at a time through the moduli set
// (7, 9, 65) and back, printing every stage of the signed-digit circuit.

#include <iostream>

#include "trace/console_dialogue.h"
#include "trace/console_pause.h"
#include "trace/level1_addition.h"
#include "trace/moduli.h"

int main() {
  trace::Level1CellPair cells;
  const trace::Moduli moduli = trace::makeModuli();

  trace::printBanner(std::cout, moduli);
  trace::WorkArrays work;
  trace::allocateWorkArrays(moduli.width, &work);

  int x = -1;
  while (trace::readNumber(std::cin, std::cout, moduli.M, &x)) {
    trace::traceNumber(x, moduli, &cells, &work, std::cin, std::cout);
  }

  trace::releaseWorkArrays(&work);
  trace::pauseWithPrompt(std::cin, std::cout, "Press Enter...");
  return 0;
}
