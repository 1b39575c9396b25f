#include "trace/front_end_printout.h"

#include "trace/digit_row_printout.h"
#include "trace/front_end_arrays.h"

namespace trace {

namespace {

const char kBitNumbers[] = "109876543210 (bit numbers)";

// Prints a caption line, then the row and its tag on the next line.
void printOperandRow(std::ostream& out, const char* caption, const int* row,
                     int width, const char* tag) {
  out << caption << std::endl;
  printRow(out, row, width);
  out << tag << std::endl;
}

}  // namespace

void printResidues(std::ostream& out, int x, const Residues& residues) {
  out << x << " converted to the RNS, is "
      << "(" << residues.x1 << "," << residues.x2 << "," << residues.x3 << ")."
      << std::endl;
}

void printResidueBits(std::ostream& out, const int* x1Bits, const int* x2Bits,
                      const int* x3Bits) {
  out << "In binary, the three residues are: ";
  printRow(out, x1Bits, kX1BitCount);
  out << ", ";
  printRow(out, x2Bits, kX2BitCount);
  out << ", ";
  printRow(out, x3Bits, kX3BitCount);
  out << "." << std::endl << std::endl;
}

void printOperandRows(std::ostream& out, const int* const* addRows,
                      const int* const* subRows, int width) {
  out << kBitNumbers << std::endl;
  printOperandRow(out, "2^(4m-1) x3 to add, is", addRows[0], width, " C+");
  printOperandRow(
      out, "2^(4m-2) x1, 2^(3m-2) x1, 2^(2m-2) x1, and 2^(m-2) x1 to add, is",
      addRows[1], width, " A+");
  printOperandRow(out, "2^(4m-2) x2, 2^(2m-2) x2 to add, is", addRows[2], width,
                  " B+");
  printOperandRow(out, "2^(2m-1) x3, to subtract, is", subRows[0], width,
                  " C-");
  printOperandRow(out, "2^(3m-2) x2, and 2^(m-2) x2 to subtract, is",
                  subRows[1], width, " B-");
  out << kBitNumbers << std::endl;
}

void printLevel1Digits(std::ostream& out, const int* level1Digits, int width) {
  printSignLine(out, level1Digits, width);
  printMagnitudes(out, level1Digits, width);
  out << " <-- Level 1 Output" << std::endl;
}

}  // namespace trace
