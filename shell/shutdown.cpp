// The savers that run when the window is closed.
#include "shell/shutdown.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int kMaxSavers = 16;
ExitSaver savers[kMaxSavers];
int saverCount = 0;
}  // namespace

void AddExitSaver(ExitSaver saver) {
  if (saver == nullptr) return;
  for (int i = 0; i < saverCount; ++i) {
    if (savers[i] == saver) return;
  }
  if (saverCount < kMaxSavers) savers[saverCount++] = saver;
}

void RemoveExitSaver(ExitSaver saver) {
  for (int i = 0; i < saverCount; ++i) {
    if (savers[i] != saver) continue;
    for (int j = i + 1; j < saverCount; ++j) savers[j - 1] = savers[j];
    --saverCount;
    return;
  }
}

void RunExitSavers() {
  for (int i = 0; i < saverCount; ++i) savers[i]();
}

void EndProcessOnClose() {
  RunExitSavers();
  std::fflush(stdout);
  // At once, as a closed window always ended the game: no destructors race the
  // sound thread.
  std::_Exit(0);
}
