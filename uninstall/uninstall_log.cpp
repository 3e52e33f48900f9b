// Reads "uninstall.log", the installer's list of paths, one line at a time.
#include "uninstall_log.h"

LogLine ReadLogLine(std::FILE* file) {
  LogLine line;
  for (;;) {
    int c = std::getc(file);
    if (c == EOF || c == '\r' || c == '\0' || c == 0xFF) break;
    if (c == '\n') continue;
    if (line.tooLong) continue;  // keep reading to the line's end
    if (line.path.size() == kMaxLogPathBytes) {
      line.tooLong = true;
      line.path.clear();
      continue;
    }
    line.path.push_back(static_cast<char>(c));
  }
  return line;
}

bool HasMoreLogLines(std::FILE* file) {
  return !std::feof(file) && !std::ferror(file);
}
