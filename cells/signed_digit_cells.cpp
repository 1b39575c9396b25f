#include "cells/signed_digit_cells.h"

#include <cstdlib>

namespace signed_digit {

PpmmCell::PpmmCell(int plus1, int plus2, int minus1, int minus2) {
  set(plus1, plus2, minus1, minus2);
}

void PpmmCell::set(int plus1, int plus2, int minus1, int minus2) {
  this->plus1 = plus1;
  this->plus2 = plus2;
  this->minus1 = minus1;
  this->minus2 = minus2;
}

void PpmmCell::evaluate(int* digit) const {
  const int sum = plus1 + plus2 - minus1 - minus2;
  *digit = sum;
}

PppmCell::PppmCell(int plus1, int plus2, int plus3, int minus1) {
  set(plus1, plus2, plus3, minus1);
}

void PppmCell::set(int plus1, int plus2, int plus3, int minus1) {
  this->plus1 = plus1;
  this->plus2 = plus2;
  this->plus3 = plus3;
  this->minus1 = minus1;
}

void PppmCell::evaluate(int* digit) const {
  const int sum = plus1 + plus2 + plus3 - minus1;
  *digit = sum;
}

CpaCell::CpaCell(int digit, int carryIn) { set(digit, carryIn); }

void CpaCell::set(int digit, int carryIn) {
  this->digit = digit;
  this->carryIn = carryIn;
}

void CpaCell::evaluate(int* sumBit, int* transfer) const {
  const int sigma = digit + carryIn;
  *sumBit = std::abs(sigma) % 2;
  // Sigma - sum bit is even, so the division is exact; reading the bit back
  // keeps the split right when both pointers designate one int.
  const int bit = *sumBit;
  *transfer = (sigma - bit) / 2;
}

}  // namespace signed_digit
