// Reading the run options from the command line.
#include "gameplay/run_options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {
// A whole decimal number in 0..limit; false for anything else.
bool ReadNumber(const char* text, long limit, long* value) {
  if (text == nullptr || *text == '\0') return false;
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text, &end, 10);
  if (errno != 0 || *end != '\0' || v < 0 || v > limit) return false;
  *value = v;
  return true;
}

bool ReadSize(const char* text, int* width, int* height) {
  if (text == nullptr) return false;
  const char* x = std::strchr(text, 'x');
  if (x == nullptr) return false;
  std::string w(text, x);
  long wv = 0, hv = 0;
  if (!ReadNumber(w.c_str(), 16384, &wv) || !ReadNumber(x + 1, 16384, &hv)) return false;
  if (wv < 16 || hv < 16) return false;
  *width = static_cast<int>(wv);
  *height = static_cast<int>(hv);
  return true;
}

void Fail(RunOptions& options, const char* option) {
  if (options.error.empty()) options.error = std::string("bad value for ") + option;
}

constexpr long kMaxMs = 24L * 3600 * 1000;
}  // namespace

int ParseRunOption(int argc, const char* const* argv, int i, RunOptions& options) {
  const char* option = argv[i];
  if (option == nullptr) return 0;
  auto value = [&](int k) -> const char* { return i + k < argc ? argv[i + k] : nullptr; };
  long n = 0;
  if (std::strcmp(option, "--level") == 0) {
    if (ReadNumber(value(1), 45, &n) && n >= 1) options.level = static_cast<int>(n);
    else Fail(options, option);
    return value(1) ? 2 : 1;
  }
  if (std::strcmp(option, "--script") == 0) {
    if (value(1) && *value(1)) options.scriptFile = value(1);
    else Fail(options, option);
    return value(1) ? 2 : 1;
  }
  if (std::strcmp(option, "--virtual-clock") == 0) {
    if (ReadNumber(value(1), 10000, &n) && n >= 1) options.virtualClockMs = static_cast<uint32_t>(n);
    else Fail(options, option);
    return value(1) ? 2 : 1;
  }
  if (std::strcmp(option, "--quit-after") == 0) {
    if (ReadNumber(value(1), kMaxMs, &n)) options.quitAfter = static_cast<uint32_t>(n), options.hasQuitAfter = true;
    else Fail(options, option);
    return value(1) ? 2 : 1;
  }
  if (std::strcmp(option, "--shot") == 0) {
    if (ReadNumber(value(1), kMaxMs, &n) && value(2) && *value(2)) {
      options.shots.push_back({static_cast<uint32_t>(n), value(2)});
    } else {
      Fail(options, option);
    }
    return 1 + (value(1) ? 1 : 0) + (value(2) ? 1 : 0);
  }
  if (std::strcmp(option, "--window") == 0) {
    if (!ReadSize(value(1), &options.windowWidth, &options.windowHeight)) Fail(options, option);
    return value(1) ? 2 : 1;
  }
  return 0;
}

RunOptions ParseRunOptions(int argc, const char* const* argv) {
  RunOptions options;
  for (int i = 1; i < argc;) {
    const int taken = ParseRunOption(argc, argv, i, options);
    i += taken > 0 ? taken : 1;
  }
  return options;
}

const char* RunOptionsUsage() {
  return "  --level N            start playing level N (1-45) right after loading\n"
         "  --window WxH         open a window of W x H pixels\n"
         "  --script FILE        feed the timed input of FILE (see README, Scripted runs)\n"
         "  --virtual-clock MS   the clock advances exactly MS milliseconds per frame\n"
         "  --shot MS FILE.png   save the frame shown at game time MS (may repeat)\n"
         "  --quit-after MS      end the run at game time MS\n";
}
