// The level-1 front end: residues, residue bits, operand rows, level-1
// digits and the end-around carry, for known conversions and over every
// number that the programs accept.

#include "trace/level1_front_end.h"

#include <gtest/gtest.h>

#include <string>

#include "trace/end_around_carry.h"
#include "trace/front_end_arrays.h"
#include "trace/level1_addition.h"

namespace trace {
namespace {

const int kWidth = 12;
const int kM = 4095;

// Row entries from the top position down, as the programs print them.
std::string rowText(const int* row, int width) {
  std::string text;
  for (int j = width - 1; j >= 0; --j) text += std::to_string(row[j]);
  return text;
}

// The 12-bit binary text of value, top bit first.
std::string binaryText(int value) {
  std::string text;
  for (int j = kWidth - 1; j >= 0; --j) text += ((value >> j) & 1) ? '1' : '0';
  return text;
}

// Runs the front end for one number on arrays allocated once.
class FrontEnd : public ::testing::Test {
 protected:
  FrontEnd() { allocateFrontEndArrays(kWidth, &arrays_); }
  ~FrontEnd() override { releaseFrontEndArrays(&arrays_); }

  void convert(int x) {
    level1FrontEnd(x, makeModuli(), &cells_, &residues_, &arrays_);
  }

  std::string residueBitsText() const {
    return rowText(arrays_.x1Bits, 3) + " " + rowText(arrays_.x2Bits, 4) + " " +
           rowText(arrays_.x3Bits, 7);
  }

  // C+, A+, B+, C-, B- from the top position down.
  std::string rowsText() const {
    return rowText(arrays_.addRows[0], kWidth) + " " +
           rowText(arrays_.addRows[1], kWidth) + " " +
           rowText(arrays_.addRows[2], kWidth) + " " +
           rowText(arrays_.subRows[0], kWidth) + " " +
           rowText(arrays_.subRows[1], kWidth);
  }

  int digit(int j) const { return arrays_.level1Digits[j]; }

  int digitsValue() const {
    int value = 0;
    for (int j = 0; j < kWidth; ++j) value += digit(j) * (1 << j);
    return value;
  }

  int ppmmResult() const {
    int result;
    cells_.ppmmCell.evaluate(&result);
    return result;
  }

  FrontEndArrays arrays_;
  Level1CellPair cells_;
  Residues residues_{-1, -1, -1};
};

struct RowCase {
  int x;
  int x1, x2, x3;
  const char* bits;  // x1Bits, x2Bits, x3Bits from the top bit down
  const char* rows;  // C+ A+ B+ C- B-
};

TEST_F(FrontEnd, ResiduesBitsAndRowsOfWorkedExamples) {
  const RowCase cases[] = {
      {1234, 2, 1, 64, "010 0001 1000000",
       "000000100000 100100100100 010000010000 100000000000 000010000010"},
      {4094, 6, 8, 64, "110 1000 1000000",
       "000000100000 101101101101 000010000010 100000000000 010000010000"},
      {64, 1, 1, 64, "001 0001 1000000",
       "000000100000 010010010010 010000010000 100000000000 000010000010"},
      {0, 0, 0, 0, "000 0000 0000000",
       "000000000000 000000000000 000000000000 000000000000 000000000000"},
      {4095, 0, 0, 0, "000 0000 0000000",
       "000000000000 000000000000 000000000000 000000000000 000000000000"},
      {20475, 0, 0, 0, "000 0000 0000000",
       "000000000000 000000000000 000000000000 000000000000 000000000000"},
  };
  for (const RowCase& c : cases) {
    convert(c.x);
    EXPECT_EQ(residues_.x1, c.x1) << c.x;
    EXPECT_EQ(residues_.x2, c.x2) << c.x;
    EXPECT_EQ(residues_.x3, c.x3) << c.x;
    EXPECT_EQ(residueBitsText(), c.bits) << c.x;
    EXPECT_EQ(rowsText(), c.rows) << c.x;
  }
}

TEST_F(FrontEnd, StaleContentsNeverShow) {
  convert(4094);
  convert(0);
  EXPECT_EQ(residueBitsText(), "000 0000 0000000");
  EXPECT_EQ(rowsText(),
            "000000000000 000000000000 000000000000 000000000000 "
            "000000000000");
  EXPECT_EQ(rowText(arrays_.level1Digits, kWidth), "000000000000");
}

// Each row is its residue times a fixed power-of-two weight modulo 4095,
// which no row reaches as all ones; so the row is exactly that number's
// binary text. The weighted sum of the rows is congruent to x, and both
// subtract rows hold a 1 together only at 7..10, where C+ is 0.
TEST_F(FrontEnd, RowsHoldWeightedResiduesForEveryNumber) {
  for (int x = 0; x <= 5 * kM; ++x) {
    convert(x);
    ASSERT_EQ(residues_.x1, x % kM % 7);
    ASSERT_EQ(residues_.x2, x % kM % 9);
    ASSERT_EQ(residues_.x3, x % kM % 65);
    const std::string expected = binaryText(2048 * residues_.x3 % kM) + " " +
                                 binaryText(1170 * residues_.x1 % kM) + " " +
                                 binaryText(1040 * residues_.x2 % kM) + " " +
                                 binaryText(32 * residues_.x3 % kM) + " " +
                                 binaryText(130 * residues_.x2 % kM);
    ASSERT_EQ(rowsText(), expected) << x;
    const int sum = 2048 * residues_.x3 + 1170 * residues_.x1 +
                    1040 * residues_.x2 - 32 * residues_.x3 -
                    130 * residues_.x2;
    ASSERT_EQ(((sum % kM) + kM) % kM, x % kM) << x;
    for (int j = 0; j < kWidth; ++j) {
      if (arrays_.subRows[0][j] != 0 && arrays_.subRows[1][j] != 0) {
        ASSERT_TRUE(j >= 7 && j <= 10) << x;
        ASSERT_EQ(arrays_.addRows[0][j], 0) << x;
      }
    }
    for (int j = 6; j <= 10; ++j) ASSERT_EQ(arrays_.addRows[0][j], 0) << x;
  }
}

struct DigitCase {
  int x;
  int digits[kWidth];  // from position 11 down to 0
  int ppmmAfter;       // what the PpmmCell gives after the number
  int value;           // the digits weighted by 2^j
};

TEST_F(FrontEnd, Level1DigitsOfWorkedExamples) {
  const DigitCase cases[] = {
      // Every position uses the PppmCell: the PpmmCell keeps its inputs.
      {1234, {0, 1, 0, 1, -1, 0, 2, 1, 0, 1, -1, 0}, 10, 1234},
      // The PpmmCell at position 7, set with (A+, B+) = (1, 0).
      {199, {1, 2, 0, 1, -1, 0, 1, 2, 0, 1, 1, 0}, -1, 199 + kM},
      // The PpmmCell at position 7 with no add bit: -2.
      {7, {2, 1, -1, -1, -2, 0, 0, 1, -1, -1, 0, 2}, -2, 7 + kM},
      // All three add bits at position 11: 3.
      {3, {3, 2, 0, 0, 0, -1, 1, 2, 0, 0, 0, 1}, 10, 3 + 2 * kM},
  };
  for (const DigitCase& c : cases) {
    // Inputs that no position gives, to see whether the PpmmCell was set.
    cells_.ppmmCell.set(5, 5, 0, 0);
    convert(c.x);
    for (int i = 0; i < kWidth; ++i) {
      EXPECT_EQ(digit(kWidth - 1 - i), c.digits[i])
          << c.x << " position " << kWidth - 1 - i;
    }
    EXPECT_EQ(ppmmResult(), c.ppmmAfter) << c.x;
    EXPECT_EQ(digitsValue(), c.value) << c.x;
  }
}

TEST_F(FrontEnd, MultiplesOfMGiveZeroDigits) {
  for (int x = 0; x <= 5 * kM; x += kM) {
    convert(x);
    EXPECT_EQ(rowText(arrays_.level1Digits, kWidth), "000000000000") << x;
  }
}

TEST_F(FrontEnd, Level1DigitsOverEveryAcceptedNumber) {
  int seen[6] = {0, 0, 0, 0, 0, 0};  // counts of -2..3
  for (int x = 0; x <= 5 * kM; ++x) {
    convert(x);
    for (int j = 0; j < kWidth; ++j) {
      ASSERT_GE(digit(j), -2) << x;
      ASSERT_LE(digit(j), 3) << x;
      if (digit(j) == -2) {
        ASSERT_TRUE(j >= 7 && j <= 10) << x;
      }
      ++seen[digit(j) + 2];
    }
    ASSERT_EQ(((digitsValue() % kM) + kM) % kM, x % kM) << x;
  }
  for (int d = 0; d < 6; ++d) EXPECT_GT(seen[d], 0) << "digit " << d - 2;
}

// Rows made by hand, C+, A+, B+ over C-, B-, one position per column. Real
// rows never hold C+ where both subtract bits are set; the rule still drops
// the first add row whose bit is 0.
TEST(Level1AdditionTest, PpmmCellDropsTheFirstZeroAddRow) {
  const int width = 4;
  int cPlus[width] = {0, 1, 1, 1};
  int aPlus[width] = {1, 0, 1, 1};
  int bPlus[width] = {1, 1, 0, 1};
  int cMinus[width] = {1, 1, 1, 1};
  int bMinus[width] = {1, 1, 1, 1};
  const int* addRows[3] = {cPlus, aPlus, bPlus};
  const int* subRows[2] = {cMinus, bMinus};
  // Dropping C+ keeps A+ and B+, dropping A+ keeps B+ and C+, dropping B+
  // keeps C+ and A+: two 1s at every position. Dropping C+ everywhere would
  // give -1 at positions 1 and 2.
  const int expected[width] = {0, 0, 0, 0};
  Level1CellPair cells;
  int digits[width];
  level1Addition(addRows, subRows, width, &cells, digits);
  for (int j = 0; j < width; ++j) EXPECT_EQ(digits[j], expected[j]) << j;
}

TEST(Level1AdditionTest, SubtractBitsCountWhenNonzero) {
  int cPlus[2] = {1, 0};
  int aPlus[2] = {1, 1};
  int bPlus[2] = {0, 1};
  int cMinus[2] = {2, 0};
  int bMinus[2] = {1, 3};
  const int* addRows[3] = {cPlus, aPlus, bPlus};
  const int* subRows[2] = {cMinus, bMinus};
  Level1CellPair cells;
  int digits[2];
  level1Addition(addRows, subRows, 2, &cells, digits);
  // Position 0: both set, so the PpmmCell takes C+, A+ (B+ dropped) and both
  // subtract values. Position 1: only B- is set and the PppmCell takes it.
  EXPECT_EQ(digits[0], 1 + 1 - 2 - 1);
  EXPECT_EQ(digits[1], 0 + 1 + 1 - 3);
}

TEST(EndAroundCarryTest, BitRowValueCountsOnlyOnes) {
  const int allOnes[kWidth] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  EXPECT_EQ(bitRowValue(allOnes, kWidth), 4095);
  const int bits1234[kWidth] = {0, 1, 0, 0, 1, 0, 1, 1, 0, 0, 1, 0};
  EXPECT_EQ(bitRowValue(bits1234, kWidth), 1234);
  const int notBits[kWidth] = {2, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  EXPECT_EQ(bitRowValue(notBits, kWidth), 2048);
}

TEST(EndAroundCarryTest, NothingIsReducedModuloM) {
  EXPECT_EQ(applyEndAroundCarry(4095, -1), 4094);
  EXPECT_EQ(applyEndAroundCarry(4095, 0), 4095);
  EXPECT_EQ(applyEndAroundCarry(0, -2), -2);
}

}  // namespace
}  // namespace trace
