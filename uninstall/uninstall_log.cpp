// Reads "uninstall.log", the installer's list of paths, one line at a time.
#include "uninstall_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "uninstall_texts.h"

std::FILE* OpenLogFile(const char* path) {
  int descriptor = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return nullptr;
  struct stat info;
  if (fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(descriptor);
    return nullptr;
  }
  fcntl(descriptor, F_SETFL, fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = fdopen(descriptor, "rb");
  if (file == nullptr) close(descriptor);
  return file;
}

namespace {
bool HoldsLog(const std::string& folder) {
  std::FILE* log = OpenLogFile((folder + "/" + kLogFileName).c_str());
  if (log == nullptr) return false;
  std::fclose(log);
  return true;
}
}  // namespace

std::string FindLogFolder(const std::string& programFolder) {
  if (HoldsLog(".")) return ".";
  if (!programFolder.empty() && HoldsLog(programFolder)) return programFolder;
  return "";
}

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
