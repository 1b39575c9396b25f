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

struct FrontEndArrays {
  int* x1Bits;        // 3 bits of x1 = x mod 7
  int* x2Bits;        // 4 bits of x2 = x mod 9
  int* x3Bits;        // 7 bits of x3 = x mod 65
  int** addRows;      // rows to add: [0] C+, [1] A+, [2] B+
  int** subRows;      // rows to subtract: [0] C-, [1] B-
  int* level1Digits;  // one signed digit per position
};

// Allocates every array of *arrays, each row at `width` ints.
void allocateFrontEndArrays(int width, FrontEndArrays* arrays);

// Releases every array of *arrays, each row before the table that holds it.
// Requires: *arrays was filled by allocateFrontEndArrays.
void releaseFrontEndArrays(FrontEndArrays* arrays);

#endif  // TRACE_FRONT_END_ARRAYS_H_
