// The deletion worker: removes every path "uninstall.log" lists, in its order.
#include "removal.h"

#include <unistd.h>

#include <cstdio>

#include "uninstall_log.h"

void RemoveListedPath(const std::string& path) {
  // unlink never follows a symbolic link and never removes a directory;
  // rmdir removes only an empty directory and refuses a link to one.
  (void)unlink(path.c_str());
  (void)rmdir(path.c_str());
}

bool RemoveListedPaths(const char* logPath, RemovalProgress& progress) {
  std::FILE* log = OpenLogFile(logPath);
  if (!log) return false;
  while (HasMoreLogLines(log) && !progress.stopRequested.load()) {
    LogLine line = ReadLogLine(log);
    if (line.path.empty()) continue;
    // Reading may have waited; Cancel pressed meanwhile still counts.
    if (progress.stopRequested.load()) break;
    {
      std::lock_guard<std::mutex> lock(progress.mutex);
      progress.currentPath = line.path;
    }
    RemoveListedPath(line.path);
  }
  std::fclose(log);
  progress.running.store(false);
  return true;
}

std::string CurrentRemovalPath(RemovalProgress& progress) {
  std::lock_guard<std::mutex> lock(progress.mutex);
  return progress.currentPath;
}
