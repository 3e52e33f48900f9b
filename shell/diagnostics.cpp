// Diagnostics go to standard output only.
#include "shell/diagnostics.h"

#include <cstdarg>
#include <cstdio>

void PrintDiagnostic(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::vprintf(format, arguments);
  va_end(arguments);
  std::fflush(stdout);
}
