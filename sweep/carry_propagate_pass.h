// The carry-propagate adder of varnel_sweep: a single CpaCell used position
// after position, least significant first, sums the level-1 digits into
// twelve bits and the transfer out of the top position. One variable carries
// the transfer: it is handed to the cell as the incoming transfer of a
// position and receives the position's outgoing transfer.

#ifndef SWEEP_CARRY_PROPAGATE_PASS_H_
#define SWEEP_CARRY_PROPAGATE_PASS_H_

#include "cells/signed_digit_cells.h"

namespace sweep {

// Clears cpaBits[0..width-1], then ripples level1Digits[0..width-1] through
// *cpaCell starting with transfer 0: stores the sum bit of each position in
// cpaBits and the transfer out of the top position in *cpaCarry.
void cpaPass(const int* level1Digits, int width, signed_digit::CpaCell* cpaCell,
             int* cpaBits, int* cpaCarry);

}  // namespace sweep

#endif  // SWEEP_CARRY_PROPAGATE_PASS_H_
