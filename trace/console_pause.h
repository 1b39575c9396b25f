// The pause of the console programs: a prompt left open while the program
// waits for characters at standard input. It reads like any other read, so
// on a line-buffered console it returns only after Enter; once the input
// has ended or a read has failed, it returns at once.

#ifndef TRACE_CONSOLE_PAUSE_H_
#define TRACE_CONSOLE_PAUSE_H_

#include <istream>
#include <ostream>

namespace trace {

// Prints `prompt` without a line end, reads two characters with get() and
// ends the line. What was read is not looked at.
void pauseWithPrompt(std::istream& in, std::ostream& out, const char* prompt);

}  // namespace trace

#endif  // TRACE_CONSOLE_PAUSE_H_
