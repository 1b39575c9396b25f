// The level-1 front end that both three-modulus programs run for every
// number: residues, residue bits, the five operand rows and the level-1
// digits, one operation after the other. varnel_trace prints what it
// produced; varnel_sweep prints nothing of it.

#ifndef TRACE_LEVEL1_FRONT_END_H_
#define TRACE_LEVEL1_FRONT_END_H_

#include "cells/signed_digit_cells.h"
#include "trace/front_end_arrays.h"

// Stores the residues of x in *x1, *x2 and *x3 and fills every array of
// *arrays for x with toResidues, expandResidueBits, placeOperandRows and
// level1Addition, in this order, using the two level-1 cells.
// Requires: x >= 0; the moduli (7, 9, 65) and width 12; *arrays allocated
// for that width.
void level1FrontEnd(int x, int mod1, int mod2, int mod3, int width,
                    PpmmCell* ppmmCell, PppmCell* pppmCell, int* x1, int* x2,
                    int* x3, FrontEndArrays* arrays);

#endif  // TRACE_LEVEL1_FRONT_END_H_
