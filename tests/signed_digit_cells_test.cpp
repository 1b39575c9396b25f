#include "cells/signed_digit_cells.h"

#include <gtest/gtest.h>

namespace signed_digit {
namespace {

struct FourInputCase {
  int in1, in2, in3, in4;
  int digit;
};

TEST(PpmmCellTest, AddsTwoAndSubtractsTwo) {
  const FourInputCase cases[] = {
      {1, 1, 1, 1, 0}, {0, 0, 1, 1, -2}, {1, 0, 1, 1, -1},
      {1, 1, 0, 0, 2}, {0, 1, 1, 1, -1}, {0, 0, 0, 0, 0},
      {1, 0, 0, 1, 0}, {2, 0, 0, 0, 2},  {0, 0, 0, 3, -3},
  };
  PpmmCell cell(0, 0, 0, 0);
  for (const FourInputCase& c : cases) {
    cell.set(c.in1, c.in2, c.in3, c.in4);
    int digit = 99;
    cell.evaluate(&digit);
    EXPECT_EQ(digit, c.digit) << c.in1 << c.in2 << c.in3 << c.in4;
  }
}

TEST(PppmCellTest, AddsThreeAndSubtractsOne) {
  const FourInputCase cases[] = {
      {1, 1, 1, 0, 3}, {0, 0, 0, 1, -1}, {1, 1, 0, 1, 1}, {0, 0, 0, 0, 0},
      {2, 0, 0, 0, 2}, {0, 1, 0, 1, 0},  {0, 0, 1, 0, 1}, {1, 1, 1, 1, 2},
  };
  PppmCell cell(0, 0, 0, 0);
  for (const FourInputCase& c : cases) {
    cell.set(c.in1, c.in2, c.in3, c.in4);
    int digit = 99;
    cell.evaluate(&digit);
    EXPECT_EQ(digit, c.digit) << c.in1 << c.in2 << c.in3 << c.in4;
  }
}

TEST(FourInputCellTest, ConstructorStoresInputsAndEvaluateRepeats) {
  PpmmCell ppmm(1, 1, 0, 1);
  PppmCell pppm(1, 0, 1, 0);
  for (int round = 0; round < 2; ++round) {
    int digit = 99;
    ppmm.evaluate(&digit);
    EXPECT_EQ(digit, 1);
    pppm.evaluate(&digit);
    EXPECT_EQ(digit, 2);
  }
  int digit = 99;
  PpmmCell(0, 0, 0, 0).evaluate(&digit);
  EXPECT_EQ(digit, 0);
  digit = 99;
  PppmCell(0, 0, 0, 0).evaluate(&digit);
  EXPECT_EQ(digit, 0);
}

TEST(CpaCellTest, SplitsEverySigmaFromMinusFourToFive) {
  // Sigma, sum bit, transfer.
  const int table[][3] = {{-4, 0, -2}, {-3, 1, -2}, {-2, 0, -1}, {-1, 1, -1},
                          {0, 0, 0},   {1, 1, 0},   {2, 0, 1},   {3, 1, 1},
                          {4, 0, 2},   {5, 1, 2}};
  CpaCell cell(0, 0);
  for (const auto& row : table) {
    // The same Sigma from different splits of digit and carry.
    for (int carryIn = -2; carryIn <= 2; ++carryIn) {
      cell.set(row[0] - carryIn, carryIn);
      int sumBit = 99;
      int transfer = 99;
      cell.evaluate(&sumBit, &transfer);
      EXPECT_EQ(sumBit, row[1]) << "Sigma " << row[0];
      EXPECT_EQ(transfer, row[2]) << "Sigma " << row[0];
    }
  }
}

TEST(CpaCellTest, NamedCasesAndFreshCell) {
  int sumBit = 99;
  int transfer = 99;
  CpaCell(-2, 1).evaluate(&sumBit, &transfer);
  EXPECT_EQ(sumBit, 1);
  EXPECT_EQ(transfer, -1);
  CpaCell(-2, -2).evaluate(&sumBit, &transfer);
  EXPECT_EQ(sumBit, 0);
  EXPECT_EQ(transfer, -2);
  CpaCell(0, 0).evaluate(&sumBit, &transfer);
  EXPECT_EQ(sumBit, 0);
  EXPECT_EQ(transfer, 0);
}

TEST(CpaCellTest, BothPointersOnOneIntLeaveTheTransfer) {
  CpaCell cell(-3, 0);  // sum bit 1, transfer -2
  int shared = 7;
  cell.evaluate(&shared, &shared);
  EXPECT_EQ(shared, -2);
  cell.set(5, 0);  // sum bit 1, transfer 2
  cell.evaluate(&shared, &shared);
  EXPECT_EQ(shared, 2);
}

TEST(CpaCellTest, RippleVariableIsBothCarryInAndTransfer) {
  CpaCell cell(0, 0);
  int carry = 1;
  int sumBit = 99;
  cell.set(3, carry);  // Sigma 4
  cell.evaluate(&sumBit, &carry);
  EXPECT_EQ(sumBit, 0);
  EXPECT_EQ(carry, 2);
  // The cell works from its stored carryIn, not from the variable.
  cell.evaluate(&sumBit, &carry);
  EXPECT_EQ(sumBit, 0);
  EXPECT_EQ(carry, 2);
}

}  // namespace
}  // namespace signed_digit
