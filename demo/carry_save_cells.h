// Carry-save cells of level 1 of the two-modulus (7, 9) reverse converter.
//
// Each cell models one position: it holds the residue bits that meet there,
// forms their signed sum t and splits it into a signed digit that stays at
// the position and a transfer that goes to the next higher one, so that
// t = digit + 2 * transfer. The pairs of all positions together form the
// signed-digit carry-save output of level 1.
//
// The classes differ only in how many inputs they add and subtract:
//   SdPpCell    t = plus1 + plus2
//   SdPmCell    t = plus1 - minus1
//   SdPmpCell   t = plus1 - minus1 + plus2  (the middle input is subtracted)
//
// Use: construct once, call set() with the position's inputs, then
// evaluate(). The cells check nothing; with bit inputs every digit is -1, 0
// or 1 and every transfer 0 or 1. Inputs must keep t within the range of int.

#ifndef DEMO_CARRY_SAVE_CELLS_H_
#define DEMO_CARRY_SAVE_CELLS_H_

namespace demo {

// Two inputs to add.
class SdPpCell {
 public:
  // Stores the inputs through set().
  SdPpCell(int plus1, int plus2);

  // Stores the two inputs, in this order.
  void set(int plus1, int plus2);

  // Writes the pair of t = plus1 + plus2 to *digit and *transfer: (t, 0) for
  // t in -1..1, (0, 1) for t above 1 and (0, -1) for t below -1. The identity
  // t = digit + 2 * transfer holds for t in -2..2 only. Requires two distinct
  // ints.
  void evaluate(int* digit, int* transfer) const;

 private:
  int plus1;
  int plus2;
};

// One input to add and one to subtract.
class SdPmCell {
 public:
  // Stores the inputs through set().
  SdPmCell(int plus1, int minus1);

  // Stores the two inputs, in this order.
  void set(int plus1, int minus1);

  // Writes the pair of t = plus1 - minus1 to *digit and *transfer: (0, plus1)
  // when plus1 is not 0 and minus1 = -plus1, (t, 0) for every other pair of
  // inputs. Requires two distinct ints.
  void evaluate(int* digit, int* transfer) const;

 private:
  int plus1;
  int minus1;
};

// Two inputs to add and one, the middle one, to subtract.
class SdPmpCell {
 public:
  // Stores the inputs through set().
  SdPmpCell(int plus1, int minus1, int plus2);

  // Stores the three inputs, in this order.
  void set(int plus1, int minus1, int plus2);

  // Writes the pair of t = plus1 - minus1 + plus2 to *digit and *transfer:
  // a magnitude of 3 gives digit 1 and transfer 1, a magnitude of 2 digit 0
  // and transfer 1, both taking the sign of t; any other t gives (t, 0).
  // Requires two distinct ints.
  void evaluate(int* digit, int* transfer) const;

 private:
  int plus1;
  int minus1;
  int plus2;
};

}  // namespace demo

#endif  // DEMO_CARRY_SAVE_CELLS_H_
