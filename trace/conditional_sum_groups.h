// The second step of level 2: conditional-sum addition. The row is taken in
// groups of 2 positions, then of 4; for every group and every hypothesis k
// (an incoming transfer of 2 - k into the group's lowest position) a level
// records the group's sum bits and the transfer out of its top position.
//
// A group is formed from its two halves: the lower half under the same
// hypothesis, the upper half under the hypothesis 2 - c named by the transfer
// c out of the lower half. The width-2 level is built from the single
// positions of the hypothesis rows, each wider level from the one below.
//
// The groups live only while one number is handled: conditionalSumLevels
// allocates, builds and prints them; the caller reads the top level and then
// releases them with releaseCondSumGroups.

#ifndef TRACE_CONDITIONAL_SUM_GROUPS_H_
#define TRACE_CONDITIONAL_SUM_GROUPS_H_

#include <ostream>

namespace trace {

// The groups of one level under one hypothesis.
struct CondSumRow {
  int* sumBits;  // sum bit of every position under the hypothesis
  int* carries;  // at each group's top position, the transfer out of it
};

// Returns the number of levels: the group widths 2, 4, 8, ... that are not
// greater than width / 2.
int countLevels(int width);

// Returns the group width of level `level`: 2 for level 0, doubling upward.
int groupWidthOfLevel(int level);

// Returns a new table of `levelCount` levels, each a table of one CondSumRow
// per hypothesis whose two rows of `width` ints are cleared to 0.
CondSumRow*** allocateCondSumGroups(int width, int levelCount);

// Fills the width-2 level from the hypothesis rows sBits and cInts.
// Requires: width is even; each row holds `width` ints.
void buildWidth2Level(const int* const* sBits, const int* const* cInts,
                      int width, CondSumRow* const* level);

// Fills the level of groups of `groupWidth` positions from the level of
// groups of groupWidth / 2 below it. Requires: width % groupWidth == 0.
void buildDoubledLevel(const CondSumRow* const* lower, int groupWidth,
                       int width, CondSumRow* const* level);

// Prints one level: for each hypothesis its sum bits, the signs and the
// magnitudes of the transfers at the groups' top positions (blanks
// elsewhere), and an empty line. Hypothesis 2 is printed over the whole row,
// the others without the lowest group.
void printCondSumLevel(std::ostream& out, const CondSumRow* const* level,
                       int groupWidth, int width);

// Allocates the groups, prints the allocation message, builds and prints
// every level, and returns the groups; stores the number of levels in
// *levelCount. Requires: the hypothesis rows of `width` ints.
CondSumRow*** conditionalSumLevels(const int* const* sBits,
                                   const int* const* cInts, int width,
                                   int* levelCount, std::ostream& out);

// Releases every row, record and table of groups.
// Requires: groups came from allocateCondSumGroups with levelCount levels.
void releaseCondSumGroups(CondSumRow*** groups, int levelCount);

}  // namespace trace

#endif  // TRACE_CONDITIONAL_SUM_GROUPS_H_
