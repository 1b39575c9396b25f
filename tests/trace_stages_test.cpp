// varnel_trace's stages for one number, run as main runs them, for known
// conversions; and its dialogue on streams.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/worked_example_1234.h"
#include "trace/conditional_sum_groups.h"
#include "trace/console_dialogue.h"
#include "trace/console_pause.h"
#include "trace/level1_addition.h"
#include "trace/moduli.h"
#include "trace/sigma_hypotheses.h"

namespace trace {
namespace {

const int kWidth = 12;

// The lines of `block` from line `first` (0-based) on, `count` of them.
std::string lines(const std::string& block, int first, int count) {
  std::istringstream in(block);
  std::string line;
  std::string result;
  for (int i = 0; std::getline(in, line); ++i) {
    if (i >= first && i < first + count) result += line + "\n";
  }
  return result;
}

// Everything that the stages print and leave in the work arrays for one
// number.
struct NumberTrace {
  std::string residueBlock;
  std::string level1Block;
  std::string hypothesesBlock;
  std::string condSumBlock;
  std::string resultBlock;
  std::string level2Bits;    // from position 11 down
  int hypotheses[3];         // of the groups 0-3, 4-7, 8-11
  int splits[5][kWidth][2];  // s(o) bit and c(i+1) int per hypothesis
};

// The transfer out of position p under hypothesis k, as the width-4 printout
// shows it: the sign and magnitude lines of k's block.
int printedTransfer(const std::string& condSumBlock, int k, int p) {
  const std::string signs = lines(condSumBlock, 21 + 4 * k + 1, 1);
  const std::string magnitudes = lines(condSumBlock, 21 + 4 * k + 2, 1);
  const int magnitude = magnitudes[11 - p] - '0';
  return signs[11 - p] == '-' ? -magnitude : magnitude;
}

// Runs traceNumber for x on work arrays of its own, with no input left for
// the pauses, and cuts its printout into the blocks of the stages.
NumberTrace traceOf(int x) {
  Level1CellPair cells;
  WorkArrays work;
  allocateWorkArrays(kWidth, &work);
  std::istringstream in("");
  std::ostringstream out;
  traceNumber(x, makeModuli(), &cells, &work, in, out);

  NumberTrace result;
  const std::string text = out.str();
  result.residueBlock = lines(text, 0, 15);
  result.level1Block = lines(text, 15, 2);
  result.hypothesesBlock = lines(text, 18, 31);
  result.condSumBlock = lines(text, 49, 41);
  result.resultBlock = lines(text, 90, 4);
  // The blocks in this order with the two pauses are the whole printout.
  EXPECT_EQ(text, result.residueBlock + result.level1Block +
                      "Hit any key to continue: \n" + result.hypothesesBlock +
                      result.condSumBlock + result.resultBlock +
                      "Press Enter...\n")
      << x;

  result.hypotheses[0] = 2;
  result.hypotheses[1] = 2 - printedTransfer(result.condSumBlock, 2, 3);
  result.hypotheses[2] =
      2 - printedTransfer(result.condSumBlock, result.hypotheses[1], 7);
  for (int j = kWidth - 1; j >= 0; --j) {
    result.level2Bits += std::to_string(work.level2Bits[j]);
  }
  for (int k = 0; k < 5; ++k) {
    for (int j = 0; j < kWidth; ++j) {
      result.splits[k][j][0] = work.sBits[k][j];
      result.splits[k][j][1] = work.cInts[k][j];
    }
  }
  releaseWorkArrays(&work);
  return result;
}

TEST(TraceStagesTest, WorkedExample1234StageByStage) {
  const NumberTrace traced = traceOf(1234);
  EXPECT_EQ(traced.residueBlock, kResidueBlock1234);
  EXPECT_EQ(traced.level1Block, kLevel1Block1234);
  EXPECT_EQ(traced.hypothesesBlock, kHypothesesBlock1234);
  EXPECT_EQ(traced.condSumBlock, kCondSumBlock1234);
  EXPECT_EQ(traced.resultBlock, kResultBlock1234);
  EXPECT_EQ(traced.level2Bits, "010011010010");
  EXPECT_EQ(traced.hypotheses[1], 2);
  EXPECT_EQ(traced.hypotheses[2], 3);
}

TEST(TraceStagesTest, WidthFourPrintoutOf1169) {
  const NumberTrace traced = traceOf(1169);
  // The message and five blocks of four lines of width 2 come first.
  EXPECT_EQ(lines(traced.condSumBlock, 21, 20),
            "01101011\n-       \n1   0   \n\n"
            "01011010\n-       \n1   0   \n\n"
            "010010010010\n-           \n1   0   0   \n\n"
            "00111000\n-       \n1   0   \n\n"
            "00100111\n-       \n1   0   \n\n");
  // Hypothesis 4 of width 2 shows a transfer of -2 out of the top pair.
  const std::string hypothesis4 = lines(traced.condSumBlock, 17, 3);
  EXPECT_EQ(hypothesis4.substr(11, 1), "-");  // sign at position 11
  EXPECT_EQ(hypothesis4.substr(22, 1), "2");  // magnitude at position 11
}

struct ResultCase {
  int x;
  int hypotheses[3];
  const char* level2Bits;
  int level2Value, endAroundCarry, finalNumber;
};

TEST(TraceStagesTest, ResultTable) {
  const ResultCase cases[] = {
      {0, {2, 2, 2}, "000000000000", 0, 0, 0},
      {1, {2, 2, 2}, "000000000000", 0, 1, 1},
      {3, {2, 2, 2}, "000000000001", 1, 2, 3},
      {66, {2, 2, 2}, "000001000000", 64, 2, 66},
      {210, {2, 2, 4}, "000011010001", 209, 1, 210},
      {1169, {2, 2, 2}, "010010010010", 1170, -1, 1169},
      {4094, {2, 2, 2}, "111111111111", 4095, -1, 4094},
      {5000, {2, 2, 3}, "001110001001", 905, 0, 905},
      {8193, {2, 2, 2}, "000000000001", 1, 2, 3},
      {20475, {2, 2, 2}, "000000000000", 0, 0, 0},
  };
  for (const ResultCase& c : cases) {
    const NumberTrace traced = traceOf(c.x);
    for (int group = 0; group < 3; ++group) {
      EXPECT_EQ(traced.hypotheses[group], c.hypotheses[group])
          << c.x << " group " << group;
    }
    EXPECT_EQ(traced.level2Bits, c.level2Bits) << c.x;
    EXPECT_EQ(
        traced.resultBlock,
        "The output of level 2, just before the end-around carry is: " +
            std::to_string(c.level2Value) +
            "\nThe end-around carry is: " + std::to_string(c.endAroundCarry) +
            "\nThe final number converted back from RNS is " +
            std::to_string(c.finalNumber) + "\n\n")
        << c.x;
  }
}

TEST(TraceStagesTest, HypothesesOfZero) {
  const std::string blank(12, ' ');
  const std::string minus(12, '-');
  EXPECT_EQ(
      lines(traceOf(0).hypothesesBlock, 1, 30),
      blank + "\n222222222222\n000000000000\n" + blank + "\n111111111111\n\n" +
          blank + "\n111111111111\n111111111111\n" + blank +
          "\n000000000000\n\n" + blank + "\n000000000000\n000000000000\n" +
          blank + "\n000000000000\n\n" + minus +
          "\n111111111111\n111111111111\n" + minus + "\n111111111111\n\n" +
          minus + "\n222222222222\n000000000000\n" + minus +
          "\n111111111111\n\n");
}

// Level 2 starts every number with no end-around carry, and has a level for
// each group width 2, 4, 8, ... up to half the row.
TEST(TraceStagesTest, Level2Bookkeeping) {
  WorkArrays work;
  allocateWorkArrays(kWidth, &work);
  const int digits[kWidth] = {3, -2, 1};
  int endAroundCarry = 99;
  buildSigmaHypotheses(digits, kWidth, work.rawSigma, work.sBits, work.cInts,
                       &endAroundCarry);
  EXPECT_EQ(endAroundCarry, 0);
  releaseWorkArrays(&work);
  EXPECT_EQ((std::vector<int>{countLevels(4), countLevels(8), countLevels(12),
                              countLevels(16)}),
            (std::vector<int>{1, 2, 2, 3}));
}

TEST(TraceStagesTest, ExtremeSigmasSplitWithANonNegativeBit) {
  // 3 has the digit 3 at position 11: Sigma 5 under hypothesis 0.
  const NumberTrace three = traceOf(3);
  EXPECT_EQ(lines(three.hypothesesBlock, 2, 1)[0], '5');
  EXPECT_EQ(lines(three.hypothesesBlock, 3, 1)[0], '1');
  EXPECT_EQ(lines(three.hypothesesBlock, 5, 1)[0], '2');
  // 7 has the digit -2 at position 7: Sigma -3 and -4 under hypotheses 3, 4.
  const NumberTrace seven = traceOf(7);
  EXPECT_EQ(seven.splits[3][7][0], 1);
  EXPECT_EQ(seven.splits[3][7][1], -2);
  EXPECT_EQ(seven.splits[4][7][0], 0);
  EXPECT_EQ(seven.splits[4][7][1], -2);
}

TEST(TraceStagesTest, GroupsOfZeroHoldTheIncomingTransfer) {
  const std::string block = traceOf(4095).condSumBlock;
  // Width 2: pairs (2,0), (1,0), (0,0), (3,-1), (2,-1) for k = 0..4.
  EXPECT_EQ(lines(block, 1, 20),
            "1010101010\n          \n0 0 0 0 0 \n\n"
            "0101010101\n          \n0 0 0 0 0 \n\n"
            "000000000000\n            \n0 0 0 0 0 0 \n\n"
            "1111111111\n- - - - - \n1 1 1 1 1 \n\n"
            "1010101010\n- - - - - \n1 1 1 1 1 \n\n");
  // Width 4: groups (2,0), (1,0), (0,0), (15,-1), (14,-1).
  EXPECT_EQ(lines(block, 21, 20),
            "00100010\n        \n0   0   \n\n"
            "00010001\n        \n0   0   \n\n"
            "000000000000\n            \n0   0   0   \n\n"
            "11111111\n-   -   \n1   1   \n\n"
            "11101110\n-   -   \n1   1   \n\n");
}

TEST(TraceStagesTest, PositiveTransferOutOfTheTopGroup) {
  for (int x : {3, 66}) {
    const std::string hypothesis2 = lines(traceOf(x).condSumBlock, 29, 3);
    EXPECT_EQ(hypothesis2.substr(13, 1), " ") << x;
    EXPECT_EQ(hypothesis2.substr(26, 1), "2") << x;
  }
}

TEST(TraceStagesTest, NumbersThatDifferByMPrintTheSame) {
  for (int x : {0, 7, 1169, 4094}) {
    const NumberTrace low = traceOf(x);
    for (int y = x + 4095; y <= 20475; y += 4095) {
      const NumberTrace high = traceOf(y);
      EXPECT_EQ(lines(high.residueBlock, 1, 14),
                lines(low.residueBlock, 1, 14));
      EXPECT_EQ(high.level1Block, low.level1Block) << y;
      EXPECT_EQ(high.hypothesesBlock, low.hypothesesBlock) << y;
      EXPECT_EQ(high.condSumBlock, low.condSumBlock) << y;
      EXPECT_EQ(high.resultBlock, low.resultBlock) << y;
    }
  }
}

TEST(ConsoleDialogueTest, PauseReadsTwoCharactersWhateverTheyAre) {
  std::istringstream in("\n xyz");
  std::ostringstream out;
  pauseWithPrompt(in, out, "Hit any key to continue: ");
  EXPECT_EQ(out.str(), "Hit any key to continue: \n");
  EXPECT_EQ(in.get(), 'x');
  pauseWithPrompt(in, out, "Press Enter...");
  EXPECT_EQ(in.get(), EOF);
  // At the end of the input the pause prints its line and returns.
  pauseWithPrompt(in, out, "Press Enter...");
  EXPECT_EQ(out.str(),
            "Hit any key to continue: \nPress Enter...\nPress Enter...\n");
}

TEST(ConsoleDialogueTest, ReadNumberAcceptsZeroTo5M) {
  struct {
    const char* input;
    int x;
    bool accepted;
  } const cases[] = {
      {"0", 0, true},
      {"20475", 20475, true},
      {"\n\n  +0012\n", 12, true},
      {"20476", 20476, false},
      {"-1", -1, false},
      {"-5", -5, false},
      {"abc", -1, false},
      {"2147483648", -1, false},
      {"", -1, false},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.input);
    std::ostringstream out;
    int x = 99;
    EXPECT_EQ(readNumber(in, out, 4095, &x), c.accepted) << c.input;
    EXPECT_EQ(x, c.x) << c.input;
  }
}

}  // namespace
}  // namespace trace
