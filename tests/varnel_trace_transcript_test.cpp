// Whole transcripts of the built varnel_trace: standard input in, standard
// output compared byte for byte, and one run over every accepted number.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "tests/program_runner.h"
#include "tests/worked_example_1234.h"

namespace {

const char kBanner[] =
    "Three-modulus Residue to Binary Conversion (with Signed-Digit\n"
    "architecture) Simulation Program\n"
    "This version allows the user to enter one test number to\n"
    "convert to the RNS and back again. Displays intermediate\n"
    "steps.\n"
    "This version simulates parallel calculation of level 2 output\n"
    "bits via conditional sum addition\n"
    "=============================================================\n"
    "\n"
    "The moduli set is (7,9,65).\n"
    "\n";

// The prompt leaves the cursor after "number to quit: ".
const char kPrompt[] =
    "Enter a number in the range 0 to 5*M, which is\n"
    "0 to 20475 with M=4095, to convert \n"
    "to the RNS and back again (enter an out-of-range\n"
    "number to quit: ";

// The last prompt, answered by no number, and the closing pause.
const std::string kClosing = std::string(kPrompt) + "Press Enter...\n";

const std::string kNothingConverted = kBanner + kClosing;

// The whole printout of 1234 between its prompt and its result pause.
const std::string kTrace1234 =
    std::string(kResidueBlock1234) + kLevel1Block1234 +
    "Hit any key to continue: \n" + kHypothesesBlock1234 + kCondSumBlock1234 +
    kResultBlock1234;

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

ProgramRun runTrace(const std::string& input) {
  return runProgram(VARNEL_TRACE_PATH, input);
}

// One conversion: the prompt, the printout and the result pause.
std::string conversion(const std::string& trace) {
  return std::string(kPrompt) + trace + "Press Enter...\n";
}

// Expects varnel_trace, given `input`, to print exactly `expected` and to
// exit with 0.
void expectTranscript(const std::string& input, const std::string& expected) {
  const ProgramRun run = runTrace(input);
  EXPECT_EQ(run.output, expected) << "input: " << input;
  EXPECT_EQ(run.exitCode, 0) << "input: " << input;
}

TEST(VarnelTraceTranscriptTest, InputThatConvertsNothing) {
  const char* inputs[] = {"",        "abc\n",         "-1\n\n",
                          "20476\n", "99999999999\n", "-2147483649\n",
                          "\n\n\n",  "+\n",           "x1234\n\n\n\n"};
  for (const char* input : inputs) expectTranscript(input, kNothingConverted);
}

TEST(VarnelTraceTranscriptTest, ConversionsEndedByAnOutOfRangeNumber) {
  expectTranscript("1234\n\n\n\n-1\n\n",
                   kBanner + conversion(kTrace1234) + kClosing);
  // Empty lines at the prompt are skipped; the prompt is not printed again.
  expectTranscript("\n\n1234\n\n\n\n-1\n\n",
                   kBanner + conversion(kTrace1234) + kClosing);
  // Leading blanks, a plus sign and zeros: the number prints as the int read.
  expectTranscript("  +001234\n\n\n\n20476\n\n",
                   kBanner + conversion(kTrace1234) + kClosing);
  expectTranscript("100\n\n\n\n-1\n\n",
                   readFile(TEST_DATA_DIR "/varnel_trace_100.txt"));
}

TEST(VarnelTraceTranscriptTest, LettersAfterTheNumberFeedThePauses) {
  // The level-1 pause takes the two letters, the result pause the line end
  // and the next one; the second 1234 is then read from the following line.
  expectTranscript(
      "1234ab\n\n1234\n\n\n\n",
      kBanner + conversion(kTrace1234) + conversion(kTrace1234) + kClosing);
}

TEST(VarnelTraceTranscriptTest, OneNumberAndItsLineEndOnly) {
  // The level-1 pause meets the end of the input; the rest does not wait.
  expectTranscript("1234\n", kBanner + conversion(kTrace1234) + kClosing);
}

TEST(VarnelTraceTranscriptTest, BoundsOfTheRangeAreConverted) {
  for (const char* number : {"0", "20475"}) {
    const ProgramRun run = runTrace(std::string(number) + "\n\n\n\n");
    const std::string finalLine =
        "The final number converted back from RNS is 0\n\n";
    EXPECT_NE(run.output.find(std::string(number) +
                              " converted to the RNS, is (0,0,0)."),
              std::string::npos);
    EXPECT_NE(run.output.find(finalLine), std::string::npos) << number;
    EXPECT_EQ(run.exitCode, 0) << number;
  }
}

// The number printed after `label` on the line that starts at `from`.
int numberAfter(const std::string& text, const std::string& label,
                size_t* from) {
  const size_t at = text.find(label, *from);
  if (at == std::string::npos) return -99999;
  *from = text.find('\n', at);
  return std::stoi(text.substr(at + label.size(), *from - at - label.size()));
}

// Every accepted number in one run, with its pauses: every final number is
// the number modulo M, the end-around carries come in the counts that the
// range gives, and level 2 chains its groups as expected.
TEST(VarnelTraceTranscriptTest, EveryAcceptedNumberInOneRun) {
  std::string input;
  for (int x = 0; x <= 20475; ++x) input += std::to_string(x) + "\n\n\n\n";
  input += "-1\n\n";
  const ProgramRun run = runTrace(input);
  ASSERT_EQ(run.exitCode, 0);

  const std::string level2Label =
      "The output of level 2, just before the end-around carry is: ";
  const std::string carryLabel = "The end-around carry is: ";
  const std::string finalLabel = "The final number converted back from RNS is ";
  const std::string messageLine =
      "Got through the allocation and init of the cond. sum it. groups.\n";
  std::map<int, int> carryCounts;
  std::set<int> fullLevel2;
  int firstTopHypothesis4 = -1;
  size_t from = 0;
  for (int x = 0; x <= 20475; ++x) {
    const size_t message = run.output.find(messageLine, from);
    ASSERT_NE(message, std::string::npos) << x;
    // The width-4 printout: lines 21 to 40 after the message. The groups
    // 0-3 take hypothesis 2, the next ones 2 - c of the group below.
    std::istringstream blocks(
        run.output.substr(message + messageLine.size(), 2000));
    std::string line;
    std::string width4[20];
    for (int i = 0; i < 40; ++i) {
      std::getline(blocks, line);
      if (i >= 20) width4[i - 20] = line;
    }
    // Hypothesis k's magnitudes line, with its sign line above it; position
    // p stands at index 11 - p.
    auto transfer = [&width4](int k, int p) {
      const int sign = width4[4 * k + 1][11 - p] == '-' ? -1 : 1;
      return sign * (width4[4 * k + 2][11 - p] - '0');
    };
    const int middle = 2 - transfer(2, 3);
    const int top = 2 - transfer(middle, 7);
    ASSERT_TRUE(middle >= 1 && middle <= 3) << x;
    ASSERT_TRUE(top >= 1 && top <= 4) << x;
    if (top == 4 && firstTopHypothesis4 < 0) firstTopHypothesis4 = x;

    from = message;
    const int level2Value = numberAfter(run.output, level2Label, &from);
    const int carry = numberAfter(run.output, carryLabel, &from);
    const int finalNumber = numberAfter(run.output, finalLabel, &from);
    ASSERT_EQ(carry, transfer(top, 11)) << x;
    ASSERT_EQ(finalNumber, x % 4095) << x;
    ASSERT_EQ(level2Value + carry, finalNumber) << x;
    ++carryCounts[carry];
    if (level2Value == 4095) fullLevel2.insert(x);
  }
  EXPECT_EQ(carryCounts,
            (std::map<int, int>{{-1, 2075}, {0, 13246}, {1, 5145}, {2, 10}}));
  EXPECT_EQ(fullLevel2, (std::set<int>{4094, 8189, 12284, 16379, 20474}));
  EXPECT_EQ(firstTopHypothesis4, 210);
  EXPECT_EQ(run.output.substr(run.output.size() - kClosing.size()), kClosing);
}

}  // namespace
