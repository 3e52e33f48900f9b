// rivet-level-report SOURCE_DIR RUN_DIR OUT_FILE [LEVEL...]: solves every
// generated level (or the ones named) with the solver's own search, checks the
// cells each source says it needs, and writes the level report table to
// OUT_FILE (and to stdout), so the set can be reviewed at a glance.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "level_catalogue.h"
#include "level_needs.h"
#include "level_report.h"
#include "tools/tool_arguments.h"

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
  row->rating = RateDifficulty(static_cast<int>(result.moves.size()), result.states);
  auto played = std::make_unique<Board>();
  if (!played->LoadLevel(row->level, runDir.c_str())) return;
  PlayResult play = PlayMoveLetters(*played, result.moves, nullptr);
  if (play.outcome == kPlayWon) row->parSeconds = play.ticks * kSecondsPerTick;
}

// "3 ok" when every needed cell is needed; else the cells that are not, each
// with what the solver found without it ("7,4:18" moves, "7,4:?" gave up).
std::string DescribeNeeds(const LevelSource& level) {
  std::vector<NeedVerdict> verdicts = CheckNeeds(level, kNeedSearchStates);
  std::string missing;
  for (const NeedVerdict& v : verdicts) {
    if (v.needed) continue;
    std::string found = v.without.outcome == kSolved ? std::to_string(v.without.moves.size()) : "?";
    missing += (missing.empty() ? "" : " ") + std::to_string(v.need.x) + "," +
               std::to_string(v.need.y) + ":" + found;
  }
  if (verdicts.empty()) return "none";
  return missing.empty() ? std::to_string(verdicts.size()) + " ok" : missing;
}

}  // namespace

int main(int argc, char** argv) {
  if (AsksForHelp(argc, argv)) {
    std::printf("usage: rivet-level-report SOURCE_DIR RUN_DIR OUT_FILE [LEVEL...]\n");
    return 0;
  }
  if (argc < 4 || !AllPlainNames(argc, argv, 1)) {
    std::fprintf(stderr, "usage: rivet-level-report SOURCE_DIR RUN_DIR OUT_FILE [LEVEL...]\n");
    return 2;
  }
  std::vector<LevelSource> levels;
  std::string error;
  if (!LoadLevelCatalogue(argv[1], &levels, &error)) {
    std::printf("rivet-level-report: %s\n", error.c_str());
    return 1;
  }
  std::vector<LevelReportRow> rows;
  std::vector<int> numbers;
  for (int a = 4; a < argc; ++a) numbers.push_back(std::atoi(argv[a]));
  if (numbers.empty()) {
    for (size_t i = 0; i < levels.size(); ++i) numbers.push_back(static_cast<int>(i) + 1);
  }
  for (int n : numbers) {
    if (n < 1 || n > static_cast<int>(levels.size())) continue;
    rows.push_back(StartReportRow(levels[n - 1], n));
    SolveReportRow(argv[2], &rows.back());
    rows.back().needs = DescribeNeeds(levels[n - 1]);
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
