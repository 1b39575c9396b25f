// The first step of level 2: at every position, the five outcomes that the
// position can have, one per hypothesis k = 0..4 on the transfer 2 - k (+2
// down to -2) that comes into it from below. Each outcome, the raw Sigma
// (level-1 digit + 2 - k), is split as a CpaCell splits it: a sum bit
// |Sigma| mod 2, the s(o) bit, and a transfer (Sigma - bit) / 2 to the next
// position, the c(i+1) int. A transfer c always names the hypothesis 2 - c
// of the position above.

#ifndef TRACE_SIGMA_HYPOTHESES_H_
#define TRACE_SIGMA_HYPOTHESES_H_

#include <ostream>

namespace trace {

// The number of hypotheses: incoming transfers +2, +1, 0, -1 and -2.
constexpr int kHypothesisCount = 5;

// The hypothesis that assumes no incoming transfer; hypothesis k assumes the
// transfer kNoTransferHypothesis - k.
constexpr int kNoTransferHypothesis = 2;

// Returns the incoming transfer that hypothesis k assumes: 2 - k.
inline int assumedTransfer(int k) { return kNoTransferHypothesis - k; }

// Returns the hypothesis that assumes the incoming transfer c: 2 - c, which
// lies in 0..4 for every transfer c in -2..2.
inline int hypothesisOfTransfer(int c) { return kNoTransferHypothesis - c; }

// Clears and fills the five rows of rawSigma, sBits and cInts from
// level1Digits[0..width-1], and sets *endAroundCarry to 0.
// Requires: each table holds kHypothesisCount rows of `width` ints.
void buildSigmaHypotheses(const int* level1Digits, int width,
                          int* const* rawSigma, int* const* sBits,
                          int* const* cInts, int* endAroundCarry);

// Prints the caption and, for each hypothesis, the sign and magnitude lines
// of its raw Sigma, its s(o) bits, the sign and magnitude lines of its
// c(i+1) ints, and an empty line: 31 lines in all.
void printSigmaHypotheses(std::ostream& out, const int* const* rawSigma,
                          const int* const* sBits, const int* const* cInts,
                          int width);

}  // namespace trace

#endif  // TRACE_SIGMA_HYPOTHESES_H_
