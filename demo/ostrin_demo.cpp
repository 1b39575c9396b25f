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
  Level1Cells cells;
  const int x1 = 5;
  const int x2 = 7;

  std::cout << "Two-modulus Level 1 demonstration." << std::endl << std::endl;
  pauseForEnter();

  int* x1Bits = new int[kX1BitCount]();
  int* x2Bits = new int[kX2BitCount]();
  int* carrySaveOut = new int[kCarrySaveOutSize]();

  expandResidueBits(x1, kX1BitCount, x1Bits);
  printResidueBits(std::cout, "x1", x1, x1Bits, kX1BitCount);
  expandResidueBits(x2, kX2BitCount, x2Bits);
  printResidueBits(std::cout, "x2", x2, x2Bits, kX2BitCount);

  setLevel1Cells(x1Bits, x2Bits, &cells);
  std::cout << "SD carry-save output for 61 = (5,7) in (7,9) set is:"
            << std::endl;
  evaluateLevel1Cells(cells, carrySaveOut);
  printCarrySavePairs(std::cout, carrySaveOut);

  delete[] x1Bits;
  delete[] x2Bits;
  delete[] carrySaveOut;

  pauseForEnter();
  return 0;
}
