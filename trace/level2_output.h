// The last stage of level 2: the groups of the top level are chained from
// the lowest one, which assumes no incoming transfer, each next group taking
// the hypothesis 2 - c named by the transfer c out of the group below. The
// chained sum bits are the output of level 2; the transfer out of the top
// group is the end-around carry, added back at weight 1 to give the number
// converted back from the RNS.

#ifndef TRACE_LEVEL2_OUTPUT_H_
#define TRACE_LEVEL2_OUTPUT_H_

#include <ostream>

#include "trace/conditional_sum_groups.h"

namespace trace {

// Chains the groups of `topLevel` (groups of `groupWidth` positions, one
// CondSumRow per hypothesis) into level2Bits[0..width-1] and stores the
// transfer out of the top group in *endAroundCarry.
// Requires: width % groupWidth == 0.
void selectLevel2Output(const CondSumRow* const* topLevel, int groupWidth,
                        int width, int* level2Bits, int* endAroundCarry);

// Prints the result lines of the level-2 output and of the end-around carry.
void printLevel2Output(std::ostream& out, int level2Value, int endAroundCarry);

// Prints the result line of the final number, then an empty line.
void printFinalNumber(std::ostream& out, int finalNumber);

}  // namespace trace

#endif  // TRACE_LEVEL2_OUTPUT_H_
