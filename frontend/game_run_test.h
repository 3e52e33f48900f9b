// Running the built game for an end-to-end test: build/run/rivet-run in a
// small hidden window with the virtual clock and a script, in a folder of its
// own under build/tests/e2e/ that keeps the script, the log, the screenshots
// and the save files of the run.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace game_run {
namespace fs = std::filesystem;

struct GameRun {
  fs::path folder;
  std::string output;
  int exitCode = -1;
};

inline std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline bool GameIsBuilt() {
  const char* runDir = std::getenv("RR_RUN_DIR");
  return runDir != nullptr && fs::exists(fs::path(runDir) / "rivet-run") &&
         fs::exists(fs::path(runDir) / "data" / "kamera.cam");
}

inline GameRun RunGame(const std::string& name, const std::string& arguments, const std::string& script) {
  GameRun run;
  const char* runDir = std::getenv("RR_RUN_DIR");
  if (runDir == nullptr) return run;
  run.folder = fs::absolute("e2e") / name;
  std::error_code ignored;
  fs::remove_all(run.folder, ignored);
  fs::create_directories(run.folder);
  for (const char* part : {"data", "levels", "music"}) {
    fs::create_directory_symlink(fs::path(runDir) / part, run.folder / part, ignored);
  }
  std::ofstream(run.folder / "script.txt") << script;
  const std::string command = "cd '" + run.folder.string() + "' && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy " +
                              "timeout 600 '" + runDir + "/rivet-run' -windowed --window 320x240 --script script.txt " +
                              arguments + " > output.txt 2>&1";
  const int status = std::system(command.c_str());
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.output = ReadAll(run.folder / "output.txt");
  return run;
}

// The game time of the first log line holding text at or after from, or -1.
inline long TimeOf(const std::string& output, const std::string& text, size_t from = 0) {
  const size_t at = output.find(text, from);
  if (at == std::string::npos) return -1;
  const size_t open = output.rfind('[', at);
  return open == std::string::npos ? -1 : std::strtol(output.c_str() + open + 1, nullptr, 10);
}

// A PNG that is there and holds more than a flat frame would.
inline bool IsPictureWithContent(const fs::path& png) {
  const std::string bytes = ReadAll(png);
  return bytes.size() > 1000 && bytes.compare(1, 3, "PNG") == 0;
}
}  // namespace game_run
