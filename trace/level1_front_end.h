// The level-1 front end that both three-modulus programs run for every
// number: residues, residue bits, the five operand rows and the level-1
// digits, one operation after the other. varnel_trace prints what it
// produced; varnel_sweep prints nothing of it.

#ifndef TRACE_LEVEL1_FRONT_END_H_
#define TRACE_LEVEL1_FRONT_END_H_

#include "trace/front_end_arrays.h"
#include "trace/level1_addition.h"
#include "trace/moduli.h"
#include "trace/residues_and_rows.h"

namespace trace {

// Stores the residues of x in *residues and fills every array of *arrays for
// x with toResidues, expandResidueBits, placeOperandRows and level1Addition,
// in this order, using the two cells of *cells.
// Requires: x >= 0; the constants of makeModuli(); *arrays allocated for
// moduli.width.
void level1FrontEnd(int x, const Moduli& moduli, Level1CellPair* cells,
                    Residues* residues, FrontEndArrays* arrays);

}  // namespace trace

#endif  // TRACE_LEVEL1_FRONT_END_H_
