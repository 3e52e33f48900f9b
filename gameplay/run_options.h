// The command-line options of scripted and direct runs: --level N starts play
// at a level right after loading; --script, --virtual-clock, --shot and
// --quit-after make a run reproducible; --window WxH sizes the window.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ShotRequest {
  uint32_t time = 0;  // game milliseconds
  std::string file;   // PNG path
};

struct RunOptions {
  int level = 0;                // 0: the profile's highest level
  std::string scriptFile;       // empty: no script
  uint32_t virtualClockMs = 0;  // 0: the wall clock
  std::vector<ShotRequest> shots;
  uint32_t quitAfter = 0;       // 0: run until the player leaves
  bool hasQuitAfter = false;
  int windowWidth = 0, windowHeight = 0;  // 0: the shell's own choice
  std::string error;            // the first malformed option, empty when all were fine
};

// If argv[i] is one of the run options, reads it with its values into
// options and returns how many arguments it took; 0 for anything else.
// A malformed value still takes its arguments and sets options.error.
int ParseRunOption(int argc, const char* const* argv, int i, RunOptions& options);
// The whole command line; arguments that are not run options are skipped.
RunOptions ParseRunOptions(int argc, const char* const* argv);
// The lines --help adds for these options.
const char* RunOptionsUsage();
