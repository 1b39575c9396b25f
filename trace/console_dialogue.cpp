#include "trace/console_dialogue.h"

#include "trace/sigma_hypotheses.h"

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

void printBanner(std::ostream& out, int mod1, int mod2, int mod3) {
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
  out << "The moduli set is (" << mod1 << "," << mod2 << "," << mod3 << ")."
      << std::endl;
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
