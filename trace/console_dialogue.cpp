#include "trace/console_dialogue.h"

#include "trace/conditional_sum_groups.h"
#include "trace/console_pause.h"
#include "trace/end_around_carry.h"
#include "trace/front_end_printout.h"
#include "trace/level1_front_end.h"
#include "trace/level2_output.h"
#include "trace/sigma_hypotheses.h"

namespace trace {

namespace {

int** allocateHypothesisTable(int width) {
  int** table = new int*[kHypothesisCount];
  for (int k = 0; k < kHypothesisCount; ++k) table[k] = new int[width];
  return table;
}

}  // namespace

void allocateWorkArrays(int width, WorkArrays* arrays) {
  allocateFrontEndArrays(width, &arrays->frontEnd);
  arrays->rawSigma = allocateHypothesisTable(width);
  arrays->sBits = allocateHypothesisTable(width);
  arrays->cInts = allocateHypothesisTable(width);
  arrays->level2Bits = new int[width];
}

void releaseWorkArrays(WorkArrays* arrays) {
  releaseFrontEndArrays(&arrays->frontEnd);
  for (int k = 0; k < kHypothesisCount; ++k) {
    delete[] arrays->rawSigma[k];
    delete[] arrays->sBits[k];
    delete[] arrays->cInts[k];
  }
  delete[] arrays->rawSigma;
  delete[] arrays->sBits;
  delete[] arrays->cInts;
  delete[] arrays->level2Bits;
}

void printBanner(std::ostream& out, const Moduli& moduli) {
  out << "Three-modulus Residue to Binary Conversion (with Signed-Digit"
      << std::endl;
  out << "architecture) Simulation Program" << std::endl;
  out << "This version allows the user to enter one test number to"
      << std::endl;
  out << "convert to the RNS and back again. Displays intermediate"
      << std::endl;
  out << "steps." << std::endl;
  out << "This version simulates parallel calculation of level 2 output"
      << std::endl;
  out << "bits via conditional sum addition" << std::endl;
  out << "============================================================="
      << std::endl;
  out << std::endl;
  out << "The moduli set is (" << moduli.mod1 << "," << moduli.mod2 << ","
      << moduli.mod3 << ")." << std::endl;
  out << std::endl;
}

bool readNumber(std::istream& in, std::ostream& out, int M, int* x) {
  *x = -1;
  out << "Enter a number in the range 0 to 5*M, which is" << std::endl;
  out << "0 to " << 5 * M << " with M=" << M << ", to convert " << std::endl;
  out << "to the RNS and back again (enter an out-of-range" << std::endl;
  out << "number to quit: ";
  // A failed extraction stores 0 or the int limits, never the -1 that says
  // no number was read, so it goes through a separate variable.
  int value;
  if (in >> value) *x = value;
  return *x >= 0 && *x <= 5 * M;
}

void traceNumber(int x, const Moduli& moduli, Level1CellPair* cells,
                 WorkArrays* work, std::istream& in, std::ostream& out) {
  const int width = moduli.width;
  FrontEndArrays& front = work->frontEnd;
  int endAroundCarry = 0;

  // Residues, operand rows and level 1.
  Residues residues;
  level1FrontEnd(x, moduli, cells, &residues, &front);
  printResidues(out, x, residues);
  printResidueBits(out, front.x1Bits, front.x2Bits, front.x3Bits);
  printOperandRows(out, front.addRows, front.subRows, width);
  printLevel1Digits(out, front.level1Digits, width);
  pauseWithPrompt(in, out, "Hit any key to continue: ");

  // Level 2: hypotheses, conditional-sum groups, selection.
  buildSigmaHypotheses(front.level1Digits, width, work->rawSigma, work->sBits,
                       work->cInts, &endAroundCarry);
  printSigmaHypotheses(out, work->rawSigma, work->sBits, work->cInts, width);
  int levelCount;
  CondSumRow*** condSumGroups =
      conditionalSumLevels(work->sBits, work->cInts, width, &levelCount, out);
  selectLevel2Output(condSumGroups[levelCount - 1],
                     groupWidthOfLevel(levelCount - 1), width, work->level2Bits,
                     &endAroundCarry);
  releaseCondSumGroups(condSumGroups, levelCount);

  // Result: level-2 output, end-around carry, final number.
  const int level2Value = bitRowValue(work->level2Bits, width);
  printLevel2Output(out, level2Value, endAroundCarry);
  const int finalNumber = applyEndAroundCarry(level2Value, endAroundCarry);
  printFinalNumber(out, finalNumber);
  pauseWithPrompt(in, out, "Press Enter...");
}

}  // namespace trace
