#include "trace/digit_row_printout.h"

#include <cstdlib>

namespace trace {

void printRow(std::ostream& out, const int* row, int width) {
  for (int j = width - 1; j >= 0; --j) out << row[j];
}

void printSignLine(std::ostream& out, const int* row, int width) {
  for (int j = width - 1; j >= 0; --j) out << (row[j] < 0 ? "-" : " ");
  out << std::endl;
}

void printMagnitudes(std::ostream& out, const int* row, int width) {
  for (int j = width - 1; j >= 0; --j) out << std::abs(row[j]);
}

}  // namespace trace
