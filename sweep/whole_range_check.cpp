#include "sweep/whole_range_check.h"

#include "sweep/carry_propagate_pass.h"
#include "trace/end_around_carry.h"
#include "trace/level1_front_end.h"

namespace sweep {

void allocateWorkArrays(int width, SweepArrays* arrays) {
  trace::allocateFrontEndArrays(width, &arrays->frontEnd);
  arrays->cpaBits = new int[width];
}

void releaseWorkArrays(SweepArrays* arrays) {
  trace::releaseFrontEndArrays(&arrays->frontEnd);
  delete[] arrays->cpaBits;
}

void printBanner(std::ostream& out, const trace::Moduli& moduli) {
  out << "Three-modulus Residue to Binary Conversion (with Signed-Digit"
      << std::endl;
  out << "architecture) Simulation Program" << std::endl;
  out << "Uses W block and CPA." << std::endl;
  out << "Overall check." << std::endl;
  out << "==========================================================="
      << std::endl;
  out << std::endl;
  out << "The moduli set is (" << moduli.mod1 << "," << moduli.mod2 << ","
      << moduli.mod3 << ")." << std::endl
      << std::endl;
  out << "Running..." << std::endl;
}

void checkResult(int n, int finalNumber, bool* mismatchFound, std::istream& in,
                 std::ostream& out) {
  if (finalNumber == n) return;
  out << "Error!" << std::endl;
  *mismatchFound = true;
  out << n << " =? " << finalNumber << std::endl;
  out << "Press Enter";
  char scratch;
  in.get(scratch);
  out << std::endl;
}

void sweepLoop(const trace::Moduli& moduli, trace::Level1CellPair* cells,
               signed_digit::CpaCell* cpaCell, bool* mismatchFound,
               std::istream& in, std::ostream& out) {
  const int width = moduli.width;
  for (int n = 0; n < moduli.M; n = n + 1) {
    SweepArrays work;
    allocateWorkArrays(width, &work);

    trace::Residues residues;
    trace::level1FrontEnd(n, moduli, cells, &residues, &work.frontEnd);

    int cpaCarry;
    cpaPass(work.frontEnd.level1Digits, width, cpaCell, work.cpaBits,
            &cpaCarry);
    const int cpaValue = trace::bitRowValue(work.cpaBits, width);
    const int finalNumber = trace::applyEndAroundCarry(cpaValue, cpaCarry);
    checkResult(n, finalNumber, mismatchFound, in, out);

    releaseWorkArrays(&work);
  }
}

void printVerdict(std::ostream& out, bool mismatchFound) {
  if (mismatchFound) return;
  out << std::endl;
  out << "No mismatches were found; the entire range was converted correctly.";
  out << std::endl;
}

}  // namespace sweep
