#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "demo/level1_carry_save.h"
#include "tests/program_runner.h"

namespace demo {
namespace {

TEST(ExpandIntoBitsTest, ClearsThenStoresLeastSignificantFirst) {
  struct Case {
    int value;
    std::vector<int> bits;
  };
  const std::vector<Case> cases = {
      {5, {1, 0, 1}},    {6, {0, 1, 1}},    {0, {0, 0, 0}},
      {7, {1, 1, 1, 0}}, {8, {0, 0, 0, 1}}, {0, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const int count = static_cast<int>(c.bits.size());
    std::vector<int> bits(count + 1, 7);  // the last entry must stay 7
    expandIntoBits(c.value, count, bits.data());
    std::vector<int> expected = c.bits;
    expected.push_back(7);
    EXPECT_EQ(bits, expected) << c.value << " in " << count << " bits";
  }
}

// Runs level 1 on the residues x1 (mod 7) and x2 (mod 9), as the program does
// for (5, 7), and returns the carry-save output.
std::vector<int> carrySaveOutFor(int x1, int x2) {
  int x1Bits[kX1BitCount];
  int x2Bits[kX2BitCount];
  expandIntoBits(x1, kX1BitCount, x1Bits);
  expandIntoBits(x2, kX2BitCount, x2Bits);
  Level1Cells cells;
  setLevel1Cells(x1Bits, x2Bits, &cells);
  std::vector<int> out(kCarrySaveOutSize, 99);
  evaluateLevel1Cells(cells, out.data());
  return out;
}

TEST(Level1CarrySaveTest, FixedExampleEntries) {
  EXPECT_EQ(carrySaveOutFor(5, 7),
            (std::vector<int>{1, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0}));
}

TEST(Level1CarrySaveTest, PairsAreCongruentToNumberForEveryNumber) {
  for (int n = 0; n < 63; ++n) {
    const std::vector<int> out = carrySaveOutFor(n % 7, n % 9);
    int sum = 0;
    for (int k = 0; k < kPositionCount; ++k) {
      const int digit = out[2 * k + 1];
      const int transferIn = out[2 * k];
      EXPECT_TRUE(digit >= -1 && digit <= 1) << n << " position " << k;
      EXPECT_TRUE(transferIn == 0 || transferIn == 1) << n << " position " << k;
      sum += (digit + transferIn) * (1 << k);
    }
    EXPECT_EQ(((sum % 63) + 63) % 63, n);
  }
}

// Position k's digit is entry 2k + 1 and its incoming transfer entry 2k.
TEST(Level1CarrySaveTest, PrintsPairsFromTopPositionDown) {
  const int entries[kCarrySaveOutSize] = {0, 1,  2, 3, 4,  5,
                                          6, -7, 8, 9, 10, 11};
  std::ostringstream out;
  printCarrySavePairs(out, entries);
  EXPECT_EQ(out.str(), "11 10  9 8  -7 6  5 4  3 2  1 0  \n");
}

TEST(OstrinDemoTest, TranscriptDoesNotDependOnInput) {
  const std::string expected =
      "Two-modulus Level 1 demonstration.\n"
      "\n"
      "Press Enter...\n"
      "x1=5 in binary= 101\n"
      "x2=7 in binary= 0111\n"
      "SD carry-save output for 61 = (5,7) in (7,9) set is:\n"
      "0 0  0 0  -1 0  0 1  0 0  1 1  \n"
      "Press Enter...\n";
  for (const std::string input : {"\n\n", "", "\n", "abc\n"}) {
    const ProgramRun run = runProgram(OSTRIN_DEMO_PATH, input);
    EXPECT_EQ(run.output, expected) << "input \"" << input << "\"";
    EXPECT_EQ(run.exitCode, 0) << "input \"" << input << "\"";
  }
}

}  // namespace
}  // namespace demo
