// How the front end's printout and the level-2 hypotheses print a row of
// digits: from the highest position down, one character per position, with
// no separators, so that rows printed one above another line up position by
// position.
//
// A row of signed values is printed as two lines: a sign line ("-" for a
// negative entry, a blank otherwise) above a line of magnitudes.

#ifndef TRACE_DIGIT_ROW_PRINTOUT_H_
#define TRACE_DIGIT_ROW_PRINTOUT_H_

#include <ostream>

namespace trace {

// Prints row[width-1] down to row[0] with no separators and no line end.
void printRow(std::ostream& out, const int* row, int width);

// Prints the sign line of row[0..width-1], then a line end.
void printSignLine(std::ostream& out, const int* row, int width);

// Prints the magnitudes of row[width-1] down to row[0] with no separators and
// no line end. Requires: every magnitude is a single digit.
void printMagnitudes(std::ostream& out, const int* row, int width);

}  // namespace trace

#endif  // TRACE_DIGIT_ROW_PRINTOUT_H_
