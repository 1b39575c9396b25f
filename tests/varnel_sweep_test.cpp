// varnel_sweep: the carry-propagate pass and the end-around carry for known
// conversions and over the range, the mismatch report on streams of its
// own, and the program's whole output.

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "cells/signed_digit_cells.h"
#include "sweep/carry_propagate_pass.h"
#include "sweep/whole_range_check.h"
#include "tests/program_runner.h"
#include "trace/end_around_carry.h"
#include "trace/level1_front_end.h"

namespace sweep {
namespace {

const int kWidth = 12;

struct PassResult {
  std::string bits;  // from position 11 down
  int value;
  int carry;
  int finalNumber;
};

// Runs the front end and the carry-propagate pass for n, as the sweep does.
PassResult convertBack(int n) {
  trace::Level1CellPair cells;
  signed_digit::CpaCell cpa(0, 0);
  SweepArrays work;
  allocateWorkArrays(kWidth, &work);
  trace::FrontEndArrays& front = work.frontEnd;
  trace::Residues residues;
  trace::level1FrontEnd(n, trace::makeModuli(), &cells, &residues, &front);
  PassResult result;
  cpaPass(front.level1Digits, kWidth, &cpa, work.cpaBits, &result.carry);
  for (int l = kWidth - 1; l >= 0; --l) {
    result.bits += std::to_string(work.cpaBits[l]);
  }
  result.value = trace::bitRowValue(work.cpaBits, kWidth);
  result.finalNumber = trace::applyEndAroundCarry(result.value, result.carry);
  releaseWorkArrays(&work);
  return result;
}

TEST(CarryPropagatePassTest, KnownConversions) {
  struct {
    int n;
    const char* bits;
    int value, carry;
  } const cases[] = {
      {0, "000000000000", 0, 0},        {1, "000000000000", 0, 1},
      {3, "000000000001", 1, 2},        {66, "000001000000", 64, 2},
      {4094, "111111111111", 4095, -1}, {1234, "010011010010", 1234, 0},
  };
  for (const auto& c : cases) {
    const PassResult result = convertBack(c.n);
    EXPECT_EQ(result.bits, c.bits) << c.n;
    EXPECT_EQ(result.value, c.value) << c.n;
    EXPECT_EQ(result.carry, c.carry) << c.n;
    EXPECT_EQ(result.finalNumber, c.n) << c.n;
  }
}

TEST(CarryPropagatePassTest, RipplesThroughOneVariable) {
  // Digits of 1, position 0 first: transfers of 1 leave positions 4, 10, 11.
  const int digits[kWidth] = {0, 0, 0, 0, 2, -1, 0, 0, 0, 0, 2, 1};
  int bits[kWidth] = {7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7};
  signed_digit::CpaCell cpa(3, 3);
  int carry = 5;
  cpaPass(digits, kWidth, &cpa, bits, &carry);
  for (int l = 0; l < kWidth; ++l) EXPECT_EQ(bits[l], 0) << l;
  EXPECT_EQ(carry, 1);
}

TEST(CarryPropagatePassTest, EveryNumberOfTheRangeComesBack) {
  std::map<int, int> carryCounts;
  for (int n = 0; n < 4095; ++n) {
    const PassResult result = convertBack(n);
    ASSERT_EQ(result.finalNumber, n);
    ++carryCounts[result.carry];
  }
  EXPECT_EQ(carryCounts,
            (std::map<int, int>{{-1, 415}, {0, 2649}, {1, 1029}, {2, 2}}));
}

TEST(CheckResultTest, AMismatchIsReportedWithAOneCharacterPause) {
  std::istringstream in("xy");
  std::ostringstream out;
  bool mismatchFound = false;
  checkResult(17, 4112, &mismatchFound, in, out);
  EXPECT_EQ(out.str(), "Error!\n17 =? 4112\nPress Enter\n");
  EXPECT_TRUE(mismatchFound);
  EXPECT_EQ(in.get(), 'y');

  // A later match leaves the flag set and reads nothing.
  out.str("");
  checkResult(5, 5, &mismatchFound, in, out);
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(mismatchFound);
}

TEST(CheckResultTest, AMatchPrintsNothing) {
  std::istringstream in("xy");
  std::ostringstream out;
  bool mismatchFound = false;
  checkResult(0, 0, &mismatchFound, in, out);
  checkResult(-3, -3, &mismatchFound, in, out);
  EXPECT_EQ(out.str(), "");
  EXPECT_FALSE(mismatchFound);
  EXPECT_EQ(in.get(), 'x');
}

TEST(CheckResultTest, VerdictOnlyWhenNothingMismatched) {
  std::ostringstream out;
  printVerdict(out, true);
  EXPECT_EQ(out.str(), "");
  printVerdict(out, false);
  EXPECT_EQ(out.str(),
            "\nNo mismatches were found; the entire range was converted "
            "correctly.\n");
}

TEST(VarnelSweepTranscriptTest, WholeOutput) {
  const std::string expected =
      "Three-modulus Residue to Binary Conversion (with Signed-Digit\n"
      "architecture) Simulation Program\n"
      "Uses W block and CPA.\n"
      "Overall check.\n"
      "===========================================================\n"
      "\n"
      "The moduli set is (7,9,65).\n"
      "\n"
      "Running...\n"
      "\n"
      "No mismatches were found; the entire range was converted correctly.\n"
      "Press Enter\n";
  for (const char* input : {"", "\n\n", "\n"}) {
    const ProgramRun run = runProgram(VARNEL_SWEEP_PATH, input);
    EXPECT_EQ(run.output, expected);
    EXPECT_EQ(run.exitCode, 0);
  }
}

}  // namespace
}  // namespace sweep
