#include "trace/sigma_hypotheses.h"

#include "cells/signed_digit_cells.h"
#include "trace/digit_row_printout.h"

namespace trace {

void buildSigmaHypotheses(const int* level1Digits, int width,
                          int* const* rawSigma, int* const* sBits,
                          int* const* cInts, int* endAroundCarry) {
  for (int k = 0; k < kHypothesisCount; ++k) {
    for (int j = 0; j < width; ++j) {
      rawSigma[k][j] = 0;
      sBits[k][j] = 0;
      cInts[k][j] = 0;
    }
  }
  *endAroundCarry = 0;

  for (int j = 0; j < width; ++j) {
    for (int k = 0; k < kHypothesisCount; ++k) {
      rawSigma[k][j] = level1Digits[j] + assumedTransfer(k);
    }
  }

  // Each raw Sigma is split as the carry-propagate cell splits a sum: a
  // sum bit that is never negative and the transfer (Sigma - bit) / 2.
  signed_digit::CpaCell splitter(0, 0);
  for (int k = 0; k < kHypothesisCount; ++k) {
    for (int j = 0; j < width; ++j) {
      splitter.set(level1Digits[j], assumedTransfer(k));
      splitter.evaluate(&sBits[k][j], &cInts[k][j]);
    }
  }
}

void printSigmaHypotheses(std::ostream& out, const int* const* rawSigma,
                          const int* const* sBits, const int* const* cInts,
                          int width) {
  out << "In order of raw Sigma, s(o) bits and c(i+1) ints, all the "
         "possiblities are:"
      << std::endl;
  for (int k = 0; k < kHypothesisCount; ++k) {
    printSignLine(out, rawSigma[k], width);
    printMagnitudes(out, rawSigma[k], width);
    out << std::endl;
    printRow(out, sBits[k], width);
    out << std::endl;
    printSignLine(out, cInts[k], width);
    printMagnitudes(out, cInts[k], width);
    out << std::endl;
    out << std::endl;
  }
}

}  // namespace trace
