// rivet-uninstall: removes an installed Rivet Run, following "uninstall.log"
// in the current directory.
//
//   rivet-uninstall        asks for confirmation, then shows the removal
//   rivet-uninstall --yes  removes without asking and without a window
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>

#include "removal.h"
#include "removal_dialog.h"
#include "uninstall_messages.h"
#include "uninstall_texts.h"

namespace {

bool LogIsPresent() {
  std::FILE* log = std::fopen(kLogFileName, "rb");
  if (!log) return false;
  std::fclose(log);
  return true;
}

// For scripts and machines without a display. Unlike the dialog, a missing
// list is a failure here, so a script can tell nothing was removed.
int RemoveWithoutWindow() {
  RemovalProgress progress;
  if (!RemoveListedPaths(kLogFileName, progress)) {
    std::printf("%s\n", kLogMissingText);
    return 1;
  }
  std::printf("%s\n", kFinishedText);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--yes") == 0) return RemoveWithoutWindow();
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr,
                 "rivet-uninstall: no display; run it with --yes to remove "
                 "without a window\n");
    return 1;
  }
  if (!LogIsPresent()) {
    ShowLogMissing();
    return 0;
  }
  if (!ConfirmRemoval()) return 0;
  RunRemoval(kLogFileName);
  return 0;
}
