#include "trace/level1_front_end.h"

#include "trace/level1_addition.h"
#include "trace/residues_and_rows.h"

void level1FrontEnd(int x, int mod1, int mod2, int mod3, int width,
                    PpmmCell* ppmmCell, PppmCell* pppmCell, int* x1, int* x2,
                    int* x3, FrontEndArrays* arrays) {
  toResidues(x, mod1, mod2, mod3, x1, x2, x3);
  expandResidueBits(*x1, *x2, *x3, arrays->x1Bits, arrays->x2Bits,
                    arrays->x3Bits);
  placeOperandRows(arrays->x1Bits, arrays->x2Bits, arrays->x3Bits, width,
                   arrays->addRows, arrays->subRows);
  level1Addition(arrays->addRows, arrays->subRows, width, ppmmCell, pppmCell,
                 arrays->level1Digits);
}
