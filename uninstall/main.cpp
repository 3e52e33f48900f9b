// rivet-uninstall: removes an installed Rivet Run, following "uninstall.log"
// in the current directory, or beside the program when it is not there.
//
//   rivet-uninstall         asks for confirmation, then shows the removal
//   rivet-uninstall --yes   removes without asking and without a window
//   rivet-uninstall --help  prints this and leaves
#include <gtk/gtk.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "removal.h"
#include "removal_dialog.h"
#include "uninstall_log.h"
#include "uninstall_messages.h"
#include "uninstall_texts.h"

namespace {

constexpr char kUsage[] =
    "usage: rivet-uninstall [--yes | --help]\n"
    "Removes the installed Rivet Run: every path listed in uninstall.log, which\n"
    "is read in the current folder, or beside this program when it is not there.\n"
    "  (none)   ask for confirmation, then show the removal in a window\n"
    "  --yes    remove without asking and without a window\n"
    "  --help   print this text and leave\n";

std::string ProgramFolder() {
  char path[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", path, sizeof(path) - 1);
  if (length <= 0) return "";
  std::string program(path, static_cast<size_t>(length));
  return program.substr(0, program.find_last_of('/'));
}

// Moves to the folder holding the log, so relative paths in it mean what they
// meant there. False when no log was found.
bool ChangeToLogFolder() {
  std::string folder = FindLogFolder(ProgramFolder());
  return !folder.empty() && chdir(folder.c_str()) == 0;
}

// For scripts and machines without a display. Unlike the dialog, a missing
// list is a failure here, so a script can tell nothing was removed.
int RemoveWithoutWindow() {
  RemovalProgress progress;
  if (!ChangeToLogFolder() || !RemoveListedPaths(kLogFileName, progress)) {
    std::printf("%s\n", kLogMissingText);
    return 1;
  }
  std::printf("%s\n", kFinishedText);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--help") == 0) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "--yes") == 0) return RemoveWithoutWindow();
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr,
                 "rivet-uninstall: no display; run it with --yes to remove "
                 "without a window\n");
    return 1;
  }
  // GTK has taken its own options (--display and the like); anything left is ours.
  if (argc > 1) {
    std::fprintf(stderr, "rivet-uninstall: unknown option %s\n%s", argv[1], kUsage);
    return 2;
  }
  if (!ChangeToLogFolder()) {
    ShowLogMissing();
    return 0;
  }
  if (!ConfirmRemoval()) return 0;
  RunRemoval(kLogFileName);
  return 0;
}
