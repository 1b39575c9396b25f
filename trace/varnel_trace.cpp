// varnel_trace: converts one typed number at a time through the moduli set
// (7, 9, 65) and back, printing every stage of the signed-digit circuit.

#include <iostream>

#include "cells/signed_digit_cells.h"
#include "trace/conditional_sum_groups.h"
#include "trace/console_dialogue.h"
#include "trace/console_pause.h"
#include "trace/end_around_carry.h"
#include "trace/front_end_printout.h"
#include "trace/level1_front_end.h"
#include "trace/level2_output.h"
#include "trace/sigma_hypotheses.h"

int main() {
  PpmmCell ppmmCell(0, 0, 0, 0);
  PppmCell pppmCell(0, 0, 0, 0);
  int level2Value = 0;
  int finalNumber = 0;
  int endAroundCarry = 0;
  const int mod1 = 7;
  const int mod2 = 9;
  const int mod3 = 65;
  const int M = mod1 * mod2 * mod3;
  const int width = 12;

  printBanner(std::cout, mod1, mod2, mod3);
  WorkArrays work;
  allocateWorkArrays(width, &work);
  FrontEndArrays& front = work.frontEnd;

  int x = -1;
  while (readNumber(std::cin, std::cout, M, &x)) {
    // Residues, operand rows and level 1.
    int x1, x2, x3;
    level1FrontEnd(x, mod1, mod2, mod3, width, &ppmmCell, &pppmCell, &x1, &x2,
                   &x3, &front);
    printResidues(std::cout, x, x1, x2, x3);
    printResidueBits(std::cout, front.x1Bits, front.x2Bits, front.x3Bits);
    printOperandRows(std::cout, front.addRows, front.subRows, width);
    printLevel1Digits(std::cout, front.level1Digits, width);
    pauseWithPrompt(std::cin, std::cout, "Hit any key to continue: ");

    // Level 2: hypotheses, conditional-sum groups, selection.
    buildSigmaHypotheses(front.level1Digits, width, work.rawSigma, work.sBits,
                         work.cInts, &endAroundCarry);
    printSigmaHypotheses(std::cout, work.rawSigma, work.sBits, work.cInts,
                         width);
    int levelCount;
    CondSumRow*** condSumGroups = conditionalSumLevels(
        work.sBits, work.cInts, width, &levelCount, std::cout);
    selectLevel2Output(condSumGroups[levelCount - 1],
                       groupWidthOfLevel(levelCount - 1), width,
                       work.level2Bits, &endAroundCarry);
    releaseCondSumGroups(condSumGroups, levelCount);

    // Result: level-2 output, end-around carry, final number.
    level2Value = bitRowValue(work.level2Bits, width);
    printLevel2Output(std::cout, level2Value, endAroundCarry);
    finalNumber = applyEndAroundCarry(level2Value, endAroundCarry);
    printFinalNumber(std::cout, finalNumber);
    pauseWithPrompt(std::cin, std::cout, "Press Enter...");
  }

  releaseWorkArrays(&work);
  pauseWithPrompt(std::cin, std::cout, "Press Enter...");
  return 0;
}
