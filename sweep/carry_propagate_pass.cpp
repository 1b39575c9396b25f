#include "sweep/carry_propagate_pass.h"

namespace sweep {

void cpaPass(const int* level1Digits, int width, signed_digit::CpaCell* cpaCell,
             int* cpaBits, int* cpaCarry) {
  for (int l = 0; l < width; ++l) cpaBits[l] = 0;
  *cpaCarry = 0;
  for (int l = 0; l < width; ++l) {
    cpaCell->set(level1Digits[l], *cpaCarry);
    cpaCell->evaluate(&cpaBits[l], cpaCarry);
  }
}

}  // namespace sweep
