#include "trace/level2_output.h"

#include "trace/sigma_hypotheses.h"

namespace trace {

void selectLevel2Output(const CondSumRow* const* topLevel, int groupWidth,
                        int width, int* level2Bits, int* endAroundCarry) {
  int k = kNoTransferHypothesis;
  int c = 0;
  for (int j = 0; j < width; j += groupWidth) {
    for (int i = 0; i < groupWidth; ++i) {
      level2Bits[j + i] = topLevel[k]->sumBits[j + i];
    }
    c = topLevel[k]->carries[j + groupWidth - 1];
    k = hypothesisOfTransfer(c);
  }
  *endAroundCarry = c;
}

void printLevel2Output(std::ostream& out, int level2Value, int endAroundCarry) {
  out << "The output of level 2, just before the end-around carry is: "
      << level2Value << std::endl;
  out << "The end-around carry is: " << endAroundCarry << std::endl;
}

void printFinalNumber(std::ostream& out, int finalNumber) {
  out << "The final number converted back from RNS is " << finalNumber
      << std::endl
      << std::endl;
}

}  // namespace trace
