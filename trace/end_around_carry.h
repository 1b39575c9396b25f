// The last step of both three-modulus programs: the twelve output bits read
// as a number, plus the transfer out of the top position added back at
// weight 2^0. Since 2^12 = M + 1 with M = 4095, the sum is congruent to the
// converted number modulo M; it is not reduced any further.

#ifndef TRACE_END_AROUND_CARRY_H_
#define TRACE_END_AROUND_CARRY_H_

namespace trace {

// Returns the value of bits[0..width-1] as an unsigned number, position j
// weighing 2^j; a position counts only when its entry equals 1.
// Requires: width <= 30.
int bitRowValue(const int* bits, int width);

// Returns value + endAroundCarry, a plain signed addition.
int applyEndAroundCarry(int value, int endAroundCarry);

}  // namespace trace

#endif  // TRACE_END_AROUND_CARRY_H_
