// What varnel_trace prints of the level-1 front end: the residues, their
// bits, the five operand rows under a bit-number header, and the level-1
// digits. Rows are printed from the highest position down, one character per
// position, so that each character stands under the last digit of its
// position number in the header "109876543210 (bit numbers)".
//
// A row of signed values is printed as two lines: a sign line ("-" for a
// negative entry, a blank otherwise) above a line of magnitudes.

#ifndef TRACE_FRONT_END_PRINTOUT_H_
#define TRACE_FRONT_END_PRINTOUT_H_

#include <ostream>

#include "trace/residues_and_rows.h"

namespace trace {

// Prints row[width-1] down to row[0] with no separators and no line end.
void printRow(std::ostream& out, const int* row, int width);

// Prints the sign line of row[0..width-1], then a line end.
void printSignLine(std::ostream& out, const int* row, int width);

// Prints the magnitudes of row[width-1] down to row[0] with no separators and
// no line end. Requires: every magnitude is a single digit.
void printMagnitudes(std::ostream& out, const int* row, int width);

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
