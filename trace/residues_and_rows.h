// The front of the conversion: a number x becomes its residues for the moduli
// set (7, 9, 65), each residue is expanded into bits, and the bits are laid
// out as five operand rows of 12 positions that level 1 sums position by
// position.
//
// A multiplication by 2^s modulo 2^12 - 1 = 4095 is a rotation left by s
// positions, so each row holds a residue multiplied by its weight in the
// Chinese-remainder formula:
//   C+ = 2^11 x3,  A+ = (2^1 + 2^4 + 2^7 + 2^10) x1,  B+ = (2^4 + 2^10) x2,
//   C- = 2^5 x3,   B- = (2^1 + 2^7) x2,
// and C+ + A+ + B+ - C- - B- is congruent to x modulo 4095. The rotations
// are fixed for this moduli set and rows of 12 positions.

#ifndef TRACE_RESIDUES_AND_ROWS_H_
#define TRACE_RESIDUES_AND_ROWS_H_

#include "trace/moduli.h"

namespace trace {

// The residues of a number for the three moduli.
struct Residues {
  int x1;  // x mod mod1
  int x2;  // x mod mod2
  int x3;  // x mod mod3
};

// Returns the remainders of x divided by each modulus. Requires: x >= 0.
Residues toResidues(int x, const Moduli& moduli);

// Clears x1Bits, x2Bits and x3Bits (kX1BitCount, kX2BitCount and kX3BitCount
// ints), then stores bit i of each residue in element i of its row, least
// significant bit first. Requires: each residue fits its row (x1 <= 7,
// x2 <= 15, x3 <= 127).
void expandResidueBits(const Residues& residues, int* x1Bits, int* x2Bits,
                       int* x3Bits);

// Clears the add rows (C+, A+, B+) and the subtract rows (C-, B-), `width`
// positions each, and copies the residue bits into them at the rotations
// listed above, taking positions modulo `width`. Requires: width == 12, the
// width that the rotations are fixed for.
void placeOperandRows(const int* x1Bits, const int* x2Bits, const int* x3Bits,
                      int width, int* const* addRows, int* const* subRows);

}  // namespace trace

#endif  // TRACE_RESIDUES_AND_ROWS_H_
