#include "trace/level1_front_end.h"

namespace trace {

void level1FrontEnd(int x, const Moduli& moduli, Level1CellPair* cells,
                    Residues* residues, FrontEndArrays* arrays) {
  *residues = toResidues(x, moduli);
  expandResidueBits(*residues, arrays->x1Bits, arrays->x2Bits, arrays->x3Bits);
  placeOperandRows(arrays->x1Bits, arrays->x2Bits, arrays->x3Bits, moduli.width,
                   arrays->addRows, arrays->subRows);
  level1Addition(arrays->addRows, arrays->subRows, moduli.width, cells,
                 arrays->level1Digits);
}

}  // namespace trace
