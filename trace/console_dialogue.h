// The frame of varnel_trace: its banner, the prompt for a number with the
// acceptance test, the work arrays that the stages share, and the stages of
// one number in the order in which they run.
//
// Input is read only by readNumber and by the pauses (pauseWithPrompt). Once
// the input has ended or a read has failed, every later read returns at
// once.

#ifndef TRACE_CONSOLE_DIALOGUE_H_
#define TRACE_CONSOLE_DIALOGUE_H_

#include <istream>
#include <ostream>

#include "trace/front_end_arrays.h"
#include "trace/level1_addition.h"
#include "trace/moduli.h"

namespace trace {

// The rows shared by the stages, allocated once before the first prompt and
// released once after the loop. Each row has `width` ints; the three
// hypothesis tables hold one row per hypothesis k = 0..4.
struct WorkArrays {
  FrontEndArrays frontEnd;  // residue bits, operand rows, level-1 digits
  int** rawSigma;           // level-1 digit + incoming transfer 2 - k
  int** sBits;              // sum bit of each raw Sigma
  int** cInts;              // transfer out of each position
  int* level2Bits;          // the twelve output bits of level 2
};

// Allocates every array of *arrays with rows of `width` ints.
void allocateWorkArrays(int width, WorkArrays* arrays);

// Releases every array of *arrays, each row before the table that holds it.
void releaseWorkArrays(WorkArrays* arrays);

// Prints the eleven lines of the banner, the moduli line among them.
void printBanner(std::ostream& out, const Moduli& moduli);

// Sets *x to -1, prints the prompt (its last line without a line end) and
// reads a decimal int into *x. A read that yields no number (not a number,
// too large for an int, end of input, failed stream) leaves *x at -1.
// Returns whether *x lies in 0..5*M.
bool readNumber(std::istream& in, std::ostream& out, int M, int* x);

// Converts x to the RNS and back and prints every stage: residues, operand
// rows and level-1 digits; the pause "Hit any key to continue: "; the level-2
// hypotheses; the conditional-sum groups; the selection of the level-2
// output, after which the groups are released; the result lines; and the
// pause "Press Enter...".
// Requires: 0 <= x; *work allocated by allocateWorkArrays for moduli.width.
void traceNumber(int x, const Moduli& moduli, Level1CellPair* cells,
                 WorkArrays* work, std::istream& in, std::ostream& out);

}  // namespace trace

#endif  // TRACE_CONSOLE_DIALOGUE_H_
