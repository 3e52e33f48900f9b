// The game's command line: "-windowed" as the first argument starts in a
// window instead of full screen; --help and --version print and leave.
#pragma once

struct CommandLine {
  bool windowed = false;
  bool showHelp = false;
  bool showVersion = false;
  const char* unknown = nullptr;  // the first argument nobody understood, if any
};

CommandLine ParseCommandLine(int argc, const char* const* argv);
// The text --help prints.
const char* CommandLineUsage();
