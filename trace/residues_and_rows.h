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
// and C+ + A+ + B+ - C- - B- is congruent to x modulo 4095. The placements
// are fixed for this moduli set; only the row width is a parameter.

#ifndef TRACE_RESIDUES_AND_ROWS_H_
#define TRACE_RESIDUES_AND_ROWS_H_

// Stores x mod mod1, x mod mod2 and x mod mod3 in *x1, *x2 and *x3.
// Requires: x >= 0 and positive moduli.
void toResidues(int x, int mod1, int mod2, int mod3, int* x1, int* x2, int* x3);

// Clears x1Bits[0..2], x2Bits[0..3] and x3Bits[0..6], then stores bit i of
// each residue in element i of its row, least significant bit first.
// Requires: 0 <= x1 <= 7, 0 <= x2 <= 15, 0 <= x3 <= 127.
void expandResidueBits(int x1, int x2, int x3, int* x1Bits, int* x2Bits,
                       int* x3Bits);

// Clears the three add rows (C+, A+, B+) and the two subtract rows (C-, B-),
// `width` positions each, and copies the residue bits into them at the
// rotations listed above. Requires: width == 12.
void placeOperandRows(const int* x1Bits, const int* x2Bits, const int* x3Bits,
                      int width, int* const* addRows, int* const* subRows);

#endif  // TRACE_RESIDUES_AND_ROWS_H_
