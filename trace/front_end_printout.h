// What varnel_trace prints of the level-1 front end: the residues, their
// bits, the five operand rows under a bit-number header, and the level-1
// digits. Rows are printed one character per position (digit_row_printout.h),
// so that each character stands under the last digit of its position number
// in the header "109876543210 (bit numbers)".

#ifndef TRACE_FRONT_END_PRINTOUT_H_
#define TRACE_FRONT_END_PRINTOUT_H_

#include <ostream>

#include "trace/residues_and_rows.h"

namespace trace {

// Prints "<x> converted to the RNS, is (<x1>,<x2>,<x3>)." and a line end.
void printResidues(std::ostream& out, int x, const Residues& residues);

// Prints the residue bits line, every bit of the kX1BitCount-, kX2BitCount-
// and kX3BitCount-bit rows from the top down, then an empty line.
void printResidueBits(std::ostream& out, const int* x1Bits, const int* x2Bits,
                      const int* x3Bits);

// Prints the bit-number header, the five operand rows, each under its
// caption and followed by its tag, and the header again.
void printOperandRows(std::ostream& out, const int* const* addRows,
                      const int* const* subRows, int width);

// Prints the sign line of the level-1 digits and their magnitudes, the
// latter followed by " <-- Level 1 Output".
void printLevel1Digits(std::ostream& out, const int* level1Digits, int width);

}  // namespace trace

#endif  // TRACE_FRONT_END_PRINTOUT_H_
