// Signed-digit cells: each class models one position of the three-modulus
// reverse converter.
//
// PpmmCell and PppmCell are the four-input cells of level 1: they add and
// subtract the operand bits that meet at one position into one signed digit.
// CpaCell is the two-input cell of a carry-propagate adder: it adds the
// transfer coming into a position to the position's digit and splits the sum
// into a sum bit and the transfer going out.
//
// Every cell is used the same way: construct it once, then for each position
// call set() with that position's inputs and evaluate() to obtain the result
// through int pointers. The cells check nothing: any int inputs are summed as
// they are.

#ifndef CELLS_SIGNED_DIGIT_CELLS_H_
#define CELLS_SIGNED_DIGIT_CELLS_H_

namespace signed_digit {

// Two bits to add and two to subtract.
class PpmmCell {
 public:
  // Stores the inputs through set().
  PpmmCell(int plus1, int plus2, int minus1, int minus2);

  // Stores the four inputs, in this order.
  void set(int plus1, int plus2, int minus1, int minus2);

  // Stores plus1 + plus2 - minus1 - minus2 in *digit.
  void evaluate(int* digit) const;

 private:
  int plus1;
  int plus2;
  int minus1;
  int minus2;
};

// Three bits to add and one to subtract.
class PppmCell {
 public:
  // Stores the inputs through set().
  PppmCell(int plus1, int plus2, int plus3, int minus1);

  // Stores the four inputs, in this order.
  void set(int plus1, int plus2, int plus3, int minus1);

  // Stores plus1 + plus2 + plus3 - minus1 in *digit.
  void evaluate(int* digit) const;

 private:
  int plus1;
  int plus2;
  int plus3;
  int minus1;
};

// One position of a ripple carry-propagate adder.
class CpaCell {
 public:
  // Stores the inputs through set().
  CpaCell(int digit, int carryIn);

  // Stores the position's signed digit and the transfer coming into it.
  void set(int digit, int carryIn);

  // Splits Sigma = digit + carryIn so that Sigma = sum bit + 2 * transfer,
  // with the sum bit |Sigma| mod 2 (never negative): stores the sum bit in
  // *sumBit, reads it back, then stores (Sigma - sum bit) / 2 in *transfer.
  // Since the fields hold the inputs, transfer may point at the variable that
  // was passed to set() as carryIn; when both pointers designate the same int
  // it ends up holding the transfer.
  void evaluate(int* sumBit, int* transfer) const;

 private:
  int digit;
  int carryIn;
};

}  // namespace signed_digit

#endif  // CELLS_SIGNED_DIGIT_CELLS_H_
