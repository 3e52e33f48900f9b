// Solves level sources through the game's loader and checks their needs.
#include "level_needs.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <unistd.h>

#include "level_files.h"
#include "level_mechanics.h"

namespace {

// A private folder under the system's temporary folder, removed on leaving.
class ScratchFolder {
 public:
  ScratchFolder() {
    static std::atomic<int> counter{0};
    std::error_code code;
    path_ = (std::filesystem::temp_directory_path(code) /
             ("rr-level-" + std::to_string(getpid()) + "-" + std::to_string(counter++)))
                .string();
  }
  ~ScratchFolder() {
    std::error_code code;
    std::filesystem::remove_all(path_, code);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

std::unique_ptr<Board> LoadSourceBoard(const LevelSource& level, std::string* error) {
  ScratchFolder folder;
  if (!WriteLevelFiles({level}, folder.Path(), error)) return nullptr;
  auto board = std::make_unique<Board>();
  if (!board->LoadLevel(1, folder.Path().c_str())) {
    *error = "the game's loader cannot read the level back";
    return nullptr;
  }
  return board;
}

SolveResult SolveSource(const LevelSource& level, int64_t maxStates) {
  std::string error;
  std::unique_ptr<Board> board = LoadSourceBoard(level, &error);
  if (board == nullptr) return SolveResult{};
  return SolveLevel(*board, maxStates);
}

std::vector<NeedVerdict> CheckNeeds(const LevelSource& level, int64_t maxStates) {
  std::vector<NeedVerdict> verdicts;
  for (const NeededCell& need : level.needs) {
    LevelSource without = level;
    char& cell = without.rows[need.y][need.x];
    cell = RemoveNeededCell(cell);
    NeedVerdict verdict;
    verdict.need = need;
    verdict.without = SolveSource(without, maxStates);
    verdict.needed = verdict.without.outcome == kUnsolvable ||
                     (verdict.without.outcome == kSolved &&
                      static_cast<int>(verdict.without.moves.size()) > level.par);
    verdicts.push_back(verdict);
  }
  return verdicts;
}

double RateDifficulty(int par, int64_t states) {
  return par + 2.0 * std::log2(static_cast<double>(std::max<int64_t>(states, 1)));
}
