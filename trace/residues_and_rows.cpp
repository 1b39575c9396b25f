#include "trace/residues_and_rows.h"

#include "trace/front_end_arrays.h"

namespace trace {

namespace {

// Clears bits[0..length-1], then stores value's bits, least significant first.
void expandBits(int value, int length, int* bits) {
  for (int i = 0; i < length; ++i) bits[i] = 0;
  int i = 0;
  while (value > 0) {
    bits[i] = value % 2;
    value = value >> 1;
    i = i + 1;
  }
}

}  // namespace

Residues toResidues(int x, const Moduli& moduli) {
  Residues residues;
  residues.x1 = x % moduli.mod1;
  residues.x2 = x % moduli.mod2;
  residues.x3 = x % moduli.mod3;
  return residues;
}

void expandResidueBits(const Residues& residues, int* x1Bits, int* x2Bits,
                       int* x3Bits) {
  expandBits(residues.x1, kX1BitCount, x1Bits);
  expandBits(residues.x2, kX2BitCount, x2Bits);
  expandBits(residues.x3, kX3BitCount, x3Bits);
}

void placeOperandRows(const int* x1Bits, const int* x2Bits, const int* x3Bits,
                      int width, int* const* addRows, int* const* subRows) {
  for (int row = 0; row < kAddRowCount; ++row) {
    for (int position = 0; position < width; ++position) {
      addRows[row][position] = 0;
      if (row < kSubRowCount) subRows[row][position] = 0;
    }
  }
  int* cPlus = addRows[0];
  int* aPlus = addRows[1];
  int* bPlus = addRows[2];
  int* cMinus = subRows[0];
  int* bMinus = subRows[1];

  // C+: 2^(4m-1) x3, a rotation by 11.
  for (int i = 0; i < kX3BitCount; ++i) cPlus[(i + 11) % width] = x3Bits[i];
  // A+: x1 rotated by 1, 4, 7 and 10.
  for (int i = 0; i < kX1BitCount; ++i) {
    for (int k = 1; k <= 4; ++k) aPlus[(3 * k + i - 2) % width] = x1Bits[i];
  }
  // B+: x2 rotated by 4 and 10.
  for (int i = 0; i < kX2BitCount; ++i) {
    for (int k = 1; k <= 2; ++k) bPlus[(6 * k + i - 2) % width] = x2Bits[i];
  }
  // C-: 2^(2m-1) x3, a rotation by 5.
  for (int i = 0; i < kX3BitCount; ++i) cMinus[(i + 5) % width] = x3Bits[i];
  // B-: x2 rotated by 1 and 7.
  for (int i = 0; i < kX2BitCount; ++i) {
    for (int k = 1; k <= 2; ++k) {
      bMinus[(3 * (2 * k - 1) + i - 2) % width] = x2Bits[i];
    }
  }
}

}  // namespace trace
