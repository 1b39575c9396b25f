#include "trace/console_pause.h"

namespace trace {

void pauseWithPrompt(std::istream& in, std::ostream& out, const char* prompt) {
  out << prompt;
  char scratch;
  in.get(scratch);
  in.get(scratch);
  out << std::endl;
}

}  // namespace trace
