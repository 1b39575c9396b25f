// The arrays that the level-1 front end fills for one number: the residue
// bits, the five operand rows and the level-1 digits. Every row is a heap
// array of int, index 0 the least significant position (weight 2^0).
//
// The caller owns the arrays: varnel_trace allocates them once and uses them
// for every number, varnel_sweep allocates them anew for each number.
// Allocation leaves the contents undefined; the front-end operations clear
// every array before they fill it.

#ifndef TRACE_FRONT_END_ARRAYS_H_
#define TRACE_FRONT_END_ARRAYS_H_

namespace trace {

// Bits of the largest residues: 6 = 110, 8 = 1000 and 64 = 1000000.
constexpr int kX1BitCount = 3;
constexpr int kX2BitCount = 4;
constexpr int kX3BitCount = 7;

// Operand rows: three to add (C+, A+, B+) and two to subtract (C-, B-).
constexpr int kAddRowCount = 3;
constexpr int kSubRowCount = 2;

struct FrontEndArrays {
  int* x1Bits;        // kX1BitCount bits of x1 = x mod 7
  int* x2Bits;        // kX2BitCount bits of x2 = x mod 9
  int* x3Bits;        // kX3BitCount bits of x3 = x mod 65
  int** addRows;      // rows to add: [0] C+, [1] A+, [2] B+
  int** subRows;      // rows to subtract: [0] C-, [1] B-
  int* level1Digits;  // one signed digit per position
};

// Allocates every array of *arrays, each row at `width` ints.
void allocateFrontEndArrays(int width, FrontEndArrays* arrays);

// Releases every array of *arrays, each row before the table that holds it.
// Requires: *arrays was filled by allocateFrontEndArrays.
void releaseFrontEndArrays(FrontEndArrays* arrays);

}  // namespace trace

#endif  // TRACE_FRONT_END_ARRAYS_H_
