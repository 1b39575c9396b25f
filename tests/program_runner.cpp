#include "tests/program_runner.h"

#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

ProgramRun runProgram(const std::string& path, const std::string& input) {
  char inputPath[] = "/tmp/program_input_XXXXXX";
  const int fd = mkstemp(inputPath);
  if (fd < 0) return {"", -1};
  close(fd);
  {
    std::ofstream file(inputPath, std::ios::binary);
    file << input;
  }

  ProgramRun run{"", -1};
  const std::string command = "'" + path + "' < '" + inputPath + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe != nullptr) {
    char buffer[65536];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
      run.output.append(buffer, count);
    }
    const int status = pclose(pipe);
    if (status != -1 && WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  }
  unlink(inputPath);
  return run;
}
