#include "demo/level1_carry_save.h"

namespace demo {

void expandIntoBits(int value, int count, int* bits) {
  for (int i = 0; i < count; ++i) bits[i] = 0;
  // The index bound keeps a value that needs more than count bits from
  // writing past the array.
  for (int i = 0; value > 0 && i < count; ++i) {
    bits[i] = value % 2;
    value /= 2;
  }
}

// x1 * 2^2 places bits 0..2 of x1 at positions 2..4 and x1 * 2^5 at positions
// 5, 0, 1, both added; x2 * 2^5 places bits 0..3 of x2 at positions 5, 0, 1, 2
// (added) and x2 * 2^2 at positions 2..5 (subtracted).
void setLevel1Cells(const int* x1Bits, const int* x2Bits, Level1Cells* cells) {
  cells->cell0.set(x1Bits[1], x2Bits[1]);
  cells->cell1.set(x1Bits[2], x2Bits[2]);
  cells->cell2.set(x1Bits[0], x2Bits[0], x2Bits[3]);
  cells->cell3.set(x1Bits[1], x2Bits[1]);
  cells->cell4.set(x1Bits[2], x2Bits[2]);
  cells->cell5.set(x1Bits[0], x2Bits[3], x2Bits[0]);
}

// The transfer out of position k is the transfer into position k + 1, stored
// at entry 2k + 2; that of position 5 wraps around to entry 0.
void evaluateLevel1Cells(const Level1Cells& cells, int* carrySaveOut) {
  cells.cell0.evaluate(&carrySaveOut[1], &carrySaveOut[2]);
  cells.cell1.evaluate(&carrySaveOut[3], &carrySaveOut[4]);
  cells.cell2.evaluate(&carrySaveOut[5], &carrySaveOut[6]);
  cells.cell3.evaluate(&carrySaveOut[7], &carrySaveOut[8]);
  cells.cell4.evaluate(&carrySaveOut[9], &carrySaveOut[10]);
  cells.cell5.evaluate(&carrySaveOut[11], &carrySaveOut[0]);
}

void printResidueInBinary(std::ostream& out, const char* name, int value,
                          const int* bits, int count) {
  out << name << "=" << value << " in binary= ";
  for (int i = count - 1; i >= 0; --i) out << bits[i];
  out << std::endl;
}

void printCarrySavePairs(std::ostream& out, const int* carrySaveOut) {
  for (int k = kPositionCount - 1; k >= 0; --k) {
    out << carrySaveOut[2 * k + 1] << " " << carrySaveOut[2 * k] << "  ";
  }
  out << std::endl;
}

}  // namespace demo
