#include "demo/carry_save_cells.h"

#include <cstdlib>

namespace demo {

SdPpCell::SdPpCell(int plus1, int plus2) { set(plus1, plus2); }

void SdPpCell::set(int plus1, int plus2) {
  this->plus1 = plus1;
  this->plus2 = plus2;
}

void SdPpCell::evaluate(int* digit, int* transfer) const {
  const int t = plus1 + plus2;
  *digit = t;
  *transfer = 0;
  if (t < -1) {
    *digit = 0;
    *transfer = -1;
  } else if (t > 1) {
    *digit = 0;
    *transfer = 1;
  }
}

SdPmCell::SdPmCell(int plus1, int minus1) { set(plus1, minus1); }

void SdPmCell::set(int plus1, int minus1) {
  this->plus1 = plus1;
  this->minus1 = minus1;
}

void SdPmCell::evaluate(int* digit, int* transfer) const {
  *transfer = 0;
  *digit = plus1 - minus1;
  // Opposite inputs make t = 2 * plus1: all of it moves to the next position.
  if (plus1 != 0 && minus1 == -plus1) {
    *transfer = plus1;
    *digit = 0;
  }
}

SdPmpCell::SdPmpCell(int plus1, int minus1, int plus2) {
  set(plus1, minus1, plus2);
}

void SdPmpCell::set(int plus1, int minus1, int plus2) {
  this->plus1 = plus1;
  this->minus1 = minus1;
  this->plus2 = plus2;
}

void SdPmpCell::evaluate(int* digit, int* transfer) const {
  *transfer = 0;
  const int t = plus1 + plus2 - minus1;
  *digit = t;
  // Split the magnitude, then give both parts the sign of t.
  int magnitude = std::abs(t);
  const bool negative = t < 0;
  if (magnitude == 3) {
    magnitude = 1;
    *transfer = 1;
  } else if (magnitude == 2) {
    magnitude = 0;
    *transfer = 1;
  }
  *digit = magnitude;
  if (negative) {
    if (magnitude != 0) *digit = -magnitude;
    if (*transfer != 0) *transfer = -*transfer;
  }
}

}  // namespace demo
