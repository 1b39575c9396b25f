// The two-character pause: a prompt left open while the program waits for
// two characters at standard input. varnel_trace pauses with it every time,
// varnel_sweep only at its closing pause; the sweep's pause after a mismatch
// (checkResult) and ostrin_demo's pauses read one character and are written
// where they are used. It reads like any other read, so on a line-buffered
// console it returns only after Enter; once the input has ended or a read
// has failed, it returns at once.

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
