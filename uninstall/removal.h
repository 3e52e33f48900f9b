// The deletion worker: removes every path "uninstall.log" lists, in its order.
#pragma once

#include <atomic>
#include <mutex>
#include <string>

// Shared between the worker thread and the dialog, which polls it on a timer.
struct RemovalProgress {
  std::mutex mutex;
  std::string currentPath;               // guarded by mutex
  std::atomic<bool> running{true};       // cleared once the whole list is done
  std::atomic<bool> stopRequested{false};  // set by Cancel: stop where we are
};

// Tries the path as a file and then as an empty directory; whichever does not
// apply fails quietly. A symbolic link goes as a link, its target untouched.
void RemoveListedPath(const std::string& path);

// Removes the paths of the log at logPath, one line after another, showing
// each in progress.currentPath. Returns false if the log cannot be opened; the
// running flag then stays set, as the list was never finished.
bool RemoveListedPaths(const char* logPath, RemovalProgress& progress);

// Copy of the path being removed, for the dialog thread.
std::string CurrentRemovalPath(RemovalProgress& progress);
