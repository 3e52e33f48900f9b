// The option table and the one pass that reads the command line with it.
#include "shell/command_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
constexpr long kMaxMs = 24L * 3600 * 1000;

// A whole decimal number in low..high; false for anything else.
bool ReadNumber(const char* text, long low, long high, long* value) {
  if (text == nullptr || *text == '\0') return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text, &end, 10);
  if (errno != 0 || *end != '\0' || v < low || v > high) return false;
  *value = v;
  return true;
}

bool ReadSize(const char* text, int* width, int* height) {
  const char* x = std::strchr(text, 'x');
  if (x == nullptr) return false;
  long w = 0, h = 0;
  if (!ReadNumber(std::string(text, x).c_str(), 16, 16384, &w) || !ReadNumber(x + 1, 16, 16384, &h)) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

// Each reader takes the option's values (as many as the table says) and
// fills the command line; false when a value is bad.
using ReadOption = bool (*)(const char* const* values, CommandLine& line);

struct Option {
  const char* name;
  const char* alias;    // another spelling, or null
  int valueCount;
  const char* values;   // how --help shows the values
  const char* help;
  ReadOption read;
};

bool ReadLevel(const char* const* v, CommandLine& line) {
  long n = 0;
  if (!ReadNumber(v[0], 1, 45, &n)) return false;
  line.run.level = static_cast<int>(n);
  return true;
}

bool ReadWindow(const char* const* v, CommandLine& line) {
  // A window size means a window.
  line.windowed = true;
  return ReadSize(v[0], &line.run.windowWidth, &line.run.windowHeight);
}

bool ReadScript(const char* const* v, CommandLine& line) {
  line.run.scriptFile = v[0];
  return !line.run.scriptFile.empty();
}

bool ReadVirtualClock(const char* const* v, CommandLine& line) {
  long n = 0;
  if (!ReadNumber(v[0], 1, 10000, &n)) return false;
  line.run.virtualClockMs = static_cast<uint32_t>(n);
  return true;
}

bool ReadShot(const char* const* v, CommandLine& line) {
  long n = 0;
  if (!ReadNumber(v[0], 0, kMaxMs, &n) || v[1][0] == '\0') return false;
  line.run.shots.push_back({static_cast<uint32_t>(n), v[1]});
  return true;
}

bool ReadQuitAfter(const char* const* v, CommandLine& line) {
  long n = 0;
  if (!ReadNumber(v[0], 0, kMaxMs, &n)) return false;
  line.run.quitAfter = static_cast<uint32_t>(n);
  line.run.hasQuitAfter = true;
  return true;
}

bool ReadWindowed(const char* const*, CommandLine& line) { return line.windowed = true; }
bool ReadHelp(const char* const*, CommandLine& line) { return line.showHelp = true; }
bool ReadVersion(const char* const*, CommandLine& line) { return line.showVersion = true; }

// Every option the game takes. The help text ends with the default in brackets.
constexpr Option kOptions[] = {
    {"--windowed", "-windowed", 0, "", "play in a window (default: full screen, or the last choice of F11)", ReadWindowed},
    {"--window", nullptr, 1, "WxH", "play in a window of W x H pixels (default: the screen less 30 x 50)", ReadWindow},
    {"--level", nullptr, 1, "N", "start playing level N (1-45) right after loading (default: none)", ReadLevel},
    {"--script", nullptr, 1, "FILE", "feed the timed input of FILE (see README, Scripted runs) (default: none)", ReadScript},
    {"--virtual-clock", nullptr, 1, "MS", "the clock advances exactly MS (1-10000) milliseconds per frame (default: the wall clock)", ReadVirtualClock},
    {"--shot", nullptr, 2, "MS FILE.png", "save the frame shown at game time MS; may repeat (default: none)", ReadShot},
    {"--quit-after", nullptr, 1, "MS", "end the run at game time MS (default: when the player leaves)", ReadQuitAfter},
    {"--help", "-h", 0, "", "print this text and leave", ReadHelp},
    {"--version", nullptr, 0, "", "print the version and leave", ReadVersion},
};

bool Is(const char* argument, const char* word) { return word != nullptr && std::strcmp(argument, word) == 0; }

const Option* FindOption(const char* argument) {
  // A launcher joining the command line may leave a blank in front of -windowed.
  if (Is(argument, " -windowed")) argument = "-windowed";
  for (const Option& option : kOptions) {
    if (Is(argument, option.name) || Is(argument, option.alias)) return &option;
  }
  return nullptr;
}
}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  for (int i = 1; i < argc && line.error.empty(); ++i) {
    if (argv[i] == nullptr) continue;
    const Option* option = FindOption(argv[i]);
    if (option == nullptr) {
      line.error = std::string("unknown option ") + argv[i];
      break;
    }
    if (i + option->valueCount >= argc) {
      line.error = std::string(argv[i]) + " needs " + option->values;
      break;
    }
    const char* const* values = argv + i + 1;
    bool present = true;
    for (int k = 0; k < option->valueCount; ++k) present = present && values[k] != nullptr;
    if (!present || !option->read(values, line)) {
      line.error = std::string("bad value for ") + argv[i];
      break;
    }
    i += option->valueCount;
  }
  return line;
}

std::string CommandLineUsage() {
  std::string text = "usage: rivet-run [OPTION]...\n";
  for (const Option& option : kOptions) {
    std::string names = std::string(option.name) + (option.alias ? std::string(", ") + option.alias : "");
    if (option.valueCount > 0) names += std::string(" ") + option.values;
    names.resize(names.size() < 26 ? 26 : names.size() + 1, ' ');
    text += "  " + names + option.help + "\n";
  }
  text +=
      "The game reads its data from the current folder, or from the program's own\n"
      "folder when levels/etapy.gra is only there. It keeps options.dat, profile.dat\n"
      "and profile.da0 in that folder when it can write there, else in\n"
      "$XDG_DATA_HOME/rivet-run (~/.local/share/rivet-run).\n"
      "F11 or Alt+Enter switches full screen and window; F12 saves a screenshot.\n";
  return text;
}
