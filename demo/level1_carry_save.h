// Level 1 of the two-modulus (7, 9) reverse converter.
//
// The dynamic range is 63 = 2^6 - 1, so a number is a word of six positions
// in which a multiplication by 2^j modulo 63 is a rotation by j positions.
// The number with residues x1 (mod 7) and x2 (mod 9) is
// 36 * x1 + 28 * x2 modulo 63, where 36 = 2^5 + 2^2 and 28 = 2^5 - 2^2. The
// rotated residue bits of those four terms meet at the six positions, where
// one carry-save cell per position sums them into a signed digit and a
// transfer into the next position; the transfer out of position 5 wraps
// around into position 0, since 2^6 is 1 modulo 63.
//
// The carry-save output is held in an array of kCarrySaveOutSize ints:
// entry 2k + 1 is the digit of position k and entry 2k the transfer into
// position k (entry 0 being the transfer out of position 5). Then
// sum over k of (entry 2k + 1 + entry 2k) * 2^k is congruent to the number
// modulo 63.

#ifndef DEMO_LEVEL1_CARRY_SAVE_H_
#define DEMO_LEVEL1_CARRY_SAVE_H_

#include <ostream>

#include "demo/carry_save_cells.h"

namespace demo {

// Positions of a word modulo 63.
constexpr int kPositionCount = 6;
// Bits of a residue modulo 7.
constexpr int kX1BitCount = 3;
// Bits of a residue modulo 9.
constexpr int kX2BitCount = 4;
// Entries of the carry-save output: a digit and a transfer per position.
constexpr int kCarrySaveOutSize = 2 * kPositionCount;

// The cells of the six positions, position 0 first, each constructed with
// all inputs 0.
struct Level1Cells {
  SdPpCell cell0{0, 0};
  SdPpCell cell1{0, 0};
  SdPmpCell cell2{0, 0, 0};
  SdPmCell cell3{0, 0};
  SdPmCell cell4{0, 0};
  SdPmpCell cell5{0, 0, 0};
};

// Clears bits[0..count-1], then stores the binary digits of value into it,
// least significant first. Requires 0 <= value < 2^count.
void expandIntoBits(int value, int count, int* bits);

// Sets the cells of all six positions, position 0 first, from the residue
// bits: x1Bits holds kX1BitCount bits of x1, x2Bits kX2BitCount bits of x2.
void setLevel1Cells(const int* x1Bits, const int* x2Bits, Level1Cells* cells);

// Evaluates the cells of all six positions, position 0 first, into
// carrySaveOut[0..kCarrySaveOutSize-1] laid out as described above.
void evaluateLevel1Cells(const Level1Cells& cells, int* carrySaveOut);

// Writes name, "=", value, " in binary= " and bits[count-1] down to bits[0]
// without separators, then ends the line.
void printResidueInBinary(std::ostream& out, const char* name, int value,
                          const int* bits, int count);

// Writes the pair of each position from position 5 down to 0: its digit,
// " ", the transfer into it and "  "; then ends the line.
void printCarrySavePairs(std::ostream& out, const int* carrySaveOut);

}  // namespace demo

#endif  // DEMO_LEVEL1_CARRY_SAVE_H_
