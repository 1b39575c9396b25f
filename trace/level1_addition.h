// Level 1 of the converter: at every position one four-input cell adds the
// three add bits (C+, A+, B+) and subtracts the two subtract bits (C-, B-)
// into one signed digit, so that the digits weighted by 2^j sum to a number
// congruent to x modulo 4095.
//
// A PpmmCell serves where both subtract bits are set; the operand rows never
// have a 1 in C+ there, so at most two add bits are 1 and the digit is -2..0.
// Everywhere else a PppmCell serves and the digit is -1..3.

#ifndef TRACE_LEVEL1_ADDITION_H_
#define TRACE_LEVEL1_ADDITION_H_

#include "cells/signed_digit_cells.h"

namespace trace {

// The two cells of level 1, constructed with all inputs 0 and reused at
// every position of every number.
struct Level1CellPair {
  signed_digit::PpmmCell ppmmCell{0, 0, 0, 0};
  signed_digit::PppmCell pppmCell{0, 0, 0, 0};
};

// Clears level1Digits[0..width-1], then stores at every position j the digit
// C+[j] + A+[j] + B+[j] - C-[j] - B-[j], formed by one of the two cells of
// *cells; the cells keep the inputs of the last position.
// Requires: addRows holds C+, A+, B+ and subRows C-, B-, each of `width`
// positions.
void level1Addition(const int* const* addRows, const int* const* subRows,
                    int width, Level1CellPair* cells, int* level1Digits);

}  // namespace trace

#endif  // TRACE_LEVEL1_ADDITION_H_
