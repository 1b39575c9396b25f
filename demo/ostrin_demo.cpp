// ostrin_demo: level 1 of the two-modulus (7, 9) reverse converter for the
// residues (5, 7) of the number 61, printed as signed-digit carry-save pairs.

#include <iostream>

#include "demo/level1_carry_save.h"

namespace {

// Prints the prompt, waits for one character and ends the line.
void pauseForEnter() {
  std::cout << "Press Enter...";
  char key = 0;
  std::cin.get(key);
  std::cout << std::endl;
}

}  // namespace

int main() {
  demo::Level1Cells cells;
  const int x1 = 5;
  const int x2 = 7;

  std::cout << "Two-modulus Level 1 demonstration." << std::endl << std::endl;
  pauseForEnter();

  int* x1Bits = new int[demo::kX1BitCount]();
  int* x2Bits = new int[demo::kX2BitCount]();
  int* carrySaveOut = new int[demo::kCarrySaveOutSize]();

  demo::expandIntoBits(x1, demo::kX1BitCount, x1Bits);
  demo::printResidueInBinary(std::cout, "x1", x1, x1Bits, demo::kX1BitCount);
  demo::expandIntoBits(x2, demo::kX2BitCount, x2Bits);
  demo::printResidueInBinary(std::cout, "x2", x2, x2Bits, demo::kX2BitCount);

  demo::setLevel1Cells(x1Bits, x2Bits, &cells);
  std::cout << "SD carry-save output for 61 = (5,7) in (7,9) set is:"
            << std::endl;
  demo::evaluateLevel1Cells(cells, carrySaveOut);
  demo::printCarrySavePairs(std::cout, carrySaveOut);

  delete[] x1Bits;
  delete[] x2Bits;
  delete[] carrySaveOut;

  pauseForEnter();
  return 0;
}
