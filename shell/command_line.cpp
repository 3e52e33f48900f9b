// Reading the program arguments.
#include "shell/command_line.h"

#include <cstring>

namespace {
bool Is(const char* argument, const char* word) { return std::strcmp(argument, word) == 0; }
}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc; ++i) {
    const char* argument = argv[i];
    if (argument == nullptr) continue;
    // Only the first argument chooses the window; the leading blank is what
    // a launcher joining the command line may leave in front of it.
    if (i == 1 && (Is(argument, "-windowed") || Is(argument, " -windowed"))) {
      line.windowed = true;
    } else if (Is(argument, "--help") || Is(argument, "-h")) {
      line.showHelp = true;
    } else if (Is(argument, "--version")) {
      line.showVersion = true;
    } else if (line.unknown == nullptr) {
      line.unknown = argument;
    }
  }
  return line;
}

const char* CommandLineUsage() {
  return "usage: rivet-run [-windowed] [--help] [--version]\n"
         "  -windowed   as the first argument: play in a window instead of full screen\n"
         "  --help      print this text and leave\n"
         "  --version   print the version and leave\n"
         "The game reads its data and keeps options.dat, profile.dat and profile.da0\n"
         "in the current directory, or beside the program when levels/etapy.gra is\n"
         "only found there.\n";
}
