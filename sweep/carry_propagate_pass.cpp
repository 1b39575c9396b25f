#include "sweep/carry_propagate_pass.h"

void cpaPass(const int* level1Digits, int width, CpaCell* cpaCell, int* cpaBits,
             int* cpaCarry) {
  for (int l = 0; l < width; ++l) cpaBits[l] = 0;
  *cpaCarry = 0;
  for (int l = 0; l < width; ++l) {
    cpaCell->set(level1Digits[l], *cpaCarry);
    cpaCell->evaluate(&cpaBits[l], cpaCarry);
  }
}
