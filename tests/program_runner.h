// Runs a built program as a user would from a shell, with a given standard
// input, and captures what it writes to standard output.

#ifndef TESTS_PROGRAM_RUNNER_H_
#define TESTS_PROGRAM_RUNNER_H_

#include <string>

struct ProgramRun {
  std::string output;  // everything written to standard output
  int exitCode;        // the exit status, or -1 if the program did not exit
};

// Runs the program at `path` with `input` as its whole standard input and
// waits for it to end. Standard error is left to the caller's.
ProgramRun runProgram(const std::string& path, const std::string& input);

#endif  // TESTS_PROGRAM_RUNNER_H_
