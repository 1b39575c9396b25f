#include "demo/carry_save_cells.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace demo {
namespace {

struct Pair {
  int digit;
  int transfer;
};

// Evaluates twice into ints holding other values; both calls must write the
// whole expected pair.
template <typename Cell>
void expectPair(const Cell& cell, Pair expected, const std::string& label) {
  for (int call = 0; call < 2; ++call) {
    int digit = 99;
    int transfer = -99;
    cell.evaluate(&digit, &transfer);
    EXPECT_EQ(digit, expected.digit) << label << " call " << call;
    EXPECT_EQ(transfer, expected.transfer) << label << " call " << call;
  }
}

struct TwoInputCase {
  int a, b;
  Pair expected;
};

struct ThreeInputCase {
  int plus1, minus1, plus2;
  Pair expected;
};

// Each case is checked on a cell constructed with its inputs and on one
// constructed with zeros and then set, after the inputs of the previous case.
template <typename Cell>
void checkTwoInputCases(const std::vector<TwoInputCase>& cases) {
  Cell reused(0, 0);
  for (const TwoInputCase& c : cases) {
    const std::string label =
        "(" + std::to_string(c.a) + ", " + std::to_string(c.b) + ")";
    expectPair(Cell(c.a, c.b), c.expected, label + " constructed");
    reused.set(c.a, c.b);
    expectPair(reused, c.expected, label + " set");
  }
}

TEST(SdPpCellTest, GivesPairOfSum) {
  checkTwoInputCases<SdPpCell>({
      {0, 0, {0, 0}},
      {1, 0, {1, 0}},
      {0, 1, {1, 0}},
      {1, 1, {0, 1}},
      {-1, -1, {0, -1}},
      {2, 1, {0, 1}},
      {-1, 0, {-1, 0}},
      {2, -1, {1, 0}},
      {-2, 2, {0, 0}},
      {5, 0, {0, 1}},
      {-3, 0, {0, -1}},
  });
}

TEST(SdPmCellTest, GivesPairOfInputs) {
  checkTwoInputCases<SdPmCell>({
      {0, 0, {0, 0}},
      {1, 1, {0, 0}},
      {1, 0, {1, 0}},
      {0, 1, {-1, 0}},
      {1, -1, {0, 1}},
      {-1, 1, {0, -1}},
      {2, -2, {0, 2}},
      {-3, 3, {0, -3}},
      {2, 0, {2, 0}},
      {0, -2, {2, 0}},
      {3, 1, {2, 0}},
      {2, -1, {3, 0}},
  });
}

TEST(SdPmpCellTest, GivesPairOfSumWithMiddleSubtracted) {
  const std::vector<ThreeInputCase> cases = {
      {0, 0, 0, {0, 0}},   {1, 0, 0, {1, 0}},    {0, 0, 1, {1, 0}},
      {1, 0, 1, {0, 1}},   {0, 1, 0, {-1, 0}},   {1, 1, 1, {1, 0}},
      {1, 1, 0, {0, 0}},   {0, 1, 1, {0, 0}},    {2, 0, 0, {0, 1}},
      {1, -1, 1, {1, 1}},  {0, 2, 0, {0, -1}},   {-1, 1, -1, {-1, -1}},
      {2, 0, 2, {4, 0}},   {-2, 0, -2, {-4, 0}}, {3, -1, 1, {5, 0}},
      {0, 0, -1, {-1, 0}},
  };
  SdPmpCell reused(0, 0, 0);
  for (const ThreeInputCase& c : cases) {
    const std::string label = "(" + std::to_string(c.plus1) + ", " +
                              std::to_string(c.minus1) + ", " +
                              std::to_string(c.plus2) + ")";
    expectPair(SdPmpCell(c.plus1, c.minus1, c.plus2), c.expected,
               label + " constructed");
    reused.set(c.plus1, c.minus1, c.plus2);
    expectPair(reused, c.expected, label + " set");
  }
}

// t = digit + 2 * transfer for every input of SdPmCell and SdPmpCell, and
// for every sum from -2 to 2 of SdPpCell.
TEST(CarrySaveCellsTest, PairKeepsSum) {
  for (int a = -4; a <= 4; ++a) {
    for (int b = -4; b <= 4; ++b) {
      int digit, transfer;
      if (a + b >= -2 && a + b <= 2) {
        SdPpCell(a, b).evaluate(&digit, &transfer);
        EXPECT_EQ(digit + 2 * transfer, a + b) << "SdPp " << a << ", " << b;
      }
      SdPmCell(a, b).evaluate(&digit, &transfer);
      EXPECT_EQ(digit + 2 * transfer, a - b) << "SdPm " << a << ", " << b;
      for (int c = -4; c <= 4; ++c) {
        SdPmpCell(a, b, c).evaluate(&digit, &transfer);
        EXPECT_EQ(digit + 2 * transfer, a - b + c)
            << "SdPmp " << a << ", " << b << ", " << c;
      }
    }
  }
}

}  // namespace
}  // namespace demo
