// varnel_sweep's check of the whole range: every number 0..M-1 goes through
// the level-1 front end without printing, its level-1 digits through the
// carry-propagate pass, and the end-around carry is added back once. A
// number whose result differs from it is reported, with a pause, and the
// sweep goes on.

#ifndef SWEEP_WHOLE_RANGE_CHECK_H_
#define SWEEP_WHOLE_RANGE_CHECK_H_

#include <istream>
#include <ostream>

#include "cells/signed_digit_cells.h"
#include "trace/front_end_arrays.h"
#include "trace/level1_addition.h"
#include "trace/moduli.h"

namespace sweep {

// What one number needs, allocated for it and released after it.
struct SweepArrays {
  trace::FrontEndArrays frontEnd;  // residue bits, operand rows, level-1 digits
  int* cpaBits;                    // the sum bits of the carry-propagate pass
};

// Allocates every array of *arrays with rows of `width` ints.
void allocateWorkArrays(int width, SweepArrays* arrays);

// Releases every array of *arrays.
void releaseWorkArrays(SweepArrays* arrays);

// Prints the banner, the moduli line and "Running...".
void printBanner(std::ostream& out, const trace::Moduli& moduli);

// When finalNumber differs from n: prints "Error!" and "<n> =? <finalNumber>",
// sets *mismatchFound, prints "Press Enter" and reads one character.
void checkResult(int n, int finalNumber, bool* mismatchFound, std::istream& in,
                 std::ostream& out);

// Converts every number 0..M-1 back through the front end (with the level-1
// cells), the carry-propagate pass (with *cpaCell) and the end-around carry,
// and checks each result; every mismatch sets *mismatchFound.
void sweepLoop(const trace::Moduli& moduli, trace::Level1CellPair* cells,
               signed_digit::CpaCell* cpaCell, bool* mismatchFound,
               std::istream& in, std::ostream& out);

// Prints an empty line and the all-correct line, unless a number mismatched.
void printVerdict(std::ostream& out, bool mismatchFound);

}  // namespace sweep

#endif  // SWEEP_WHOLE_RANGE_CHECK_H_
