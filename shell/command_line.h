// The game's command line: one table of options (shell/command_line.cpp)
// with their values, defaults and help text, read in one pass. -windowed (or
// --windowed) plays in a window wherever it stands; --level, --window and the
// scripted-run options fill RunOptions; --help and --version print and leave.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct ShotRequest {
  uint32_t time = 0;  // game milliseconds
  std::string file;   // PNG path
};

// What a run is asked to do beyond the shell's own choices: --level N starts
// play at a level right after loading; --script, --virtual-clock, --shot and
// --quit-after make a run reproducible; --window WxH sizes the window.
struct RunOptions {
  int level = 0;                // 0: the profile's highest level
  std::string scriptFile;       // empty: no script
  uint32_t virtualClockMs = 0;  // 0: the wall clock
  std::vector<ShotRequest> shots;
  uint32_t quitAfter = 0;       // 0: run until the player leaves
  bool hasQuitAfter = false;
  int windowWidth = 0, windowHeight = 0;  // 0: the shell's own choice
};

struct CommandLine {
  bool windowed = false;
  bool showHelp = false;
  bool showVersion = false;
  RunOptions run;
  // Why the command line cannot be used (an unknown option, a missing or bad
  // value), naming the argument; empty when every argument was understood.
  std::string error;
};

CommandLine ParseCommandLine(int argc, const char* const* argv);
// The text --help prints (and a bad command line prints on standard error):
// every option of the table with its value, help and default.
std::string CommandLineUsage();
