// rivet-level-report SOURCE_DIR RUN_DIR OUT_FILE: solves every generated level
// with the solver's own search and writes the level report table to OUT_FILE
// (and to stdout), so the set can be reviewed at a glance.
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "level_catalogue.h"
#include "level_report.h"
#include "tools/solve/solver.h"

namespace {

constexpr double kSecondsPerTick = 0.005;

// Fills in the solver's answer for level n read from runDir.
void SolveReportRow(const std::string& runDir, LevelReportRow* row) {
  auto board = std::make_unique<Board>();
  if (!board->LoadLevel(row->level, runDir.c_str())) {
    row->found = "unreadable";
    return;
  }
  SolveResult result = SolveLevel(*board, kDefaultMaxStates);
  row->states = result.states;
  if (result.outcome != kSolved) {
    row->found = result.outcome == kGaveUp ? "gave up" : "unsolvable";
    return;
  }
  row->found = std::to_string(result.moves.size());
  auto played = std::make_unique<Board>();
  if (!played->LoadLevel(row->level, runDir.c_str())) return;
  PlayResult play = PlayMoveLetters(*played, result.moves, nullptr);
  if (play.outcome == kPlayWon) row->parSeconds = play.ticks * kSecondsPerTick;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::printf("usage: rivet-level-report SOURCE_DIR RUN_DIR OUT_FILE\n");
    return 2;
  }
  std::vector<LevelSource> levels;
  std::string error;
  if (!LoadLevelCatalogue(argv[1], &levels, &error)) {
    std::printf("rivet-level-report: %s\n", error.c_str());
    return 1;
  }
  std::vector<LevelReportRow> rows;
  for (size_t i = 0; i < levels.size(); ++i) {
    rows.push_back(StartReportRow(levels[i], static_cast<int>(i) + 1));
    SolveReportRow(argv[2], &rows.back());
  }
  std::string table = FormatLevelReport(rows);
  std::ofstream out(argv[3], std::ios::trunc);
  out << table;
  out.close();
  std::fputs(table.c_str(), stdout);
  if (!out) {
    std::printf("rivet-level-report: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
