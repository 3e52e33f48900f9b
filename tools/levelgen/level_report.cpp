// Builds the level report from the sources and the solver's answers.
#include "level_report.h"

#include <cstdio>
#include <fstream>

#include "level_catalogue.h"
#include "level_mechanics.h"
#include "solver_output.h"

namespace {

constexpr double kSecondsPerTick = 0.005;
constexpr long kMostStatesTried = 20000000;

bool SolvesWithin(const std::string& runDir, int level, long maxStates) {
  std::vector<SolverAnswer> answers = SolveLevels(runDir, {level}, maxStates);
  return answers[0].solved;
}

}  // namespace

long MeasureSolverStates(const std::string& runDir, int level) {
  SolverAnswer answer = SolveLevels(runDir, {level})[0];
  if (!answer.solved) return -1;
  if (answer.states >= 0) return answer.states;
  long low = 0, high = 16;
  while (!SolvesWithin(runDir, level, high)) {
    low = high;
    high *= 2;
    if (high > kMostStatesTried) return -1;
  }
  while (high - low > high / 50 + 1) {
    long middle = low + (high - low) / 2;
    if (SolvesWithin(runDir, level, middle)) high = middle;
    else low = middle;
  }
  return high;
}

std::string FormatLevelReport(const std::vector<LevelReportRow>& rows) {
  std::string text;
  char line[512];
  std::snprintf(line, sizeof line, "%-5s %-8s %4s %-10s %9s %6s %7s  %s\n", "level", "diff",
                "par", "solver", "states", "limit", "par-s", "mechanics");
  text += line;
  for (const LevelReportRow& row : rows) {
    std::string mechanics;
    for (const std::string& name : row.mechanics) {
      mechanics += (mechanics.empty() ? "" : ", ") + name;
    }
    std::string limit = row.timeLimitSeconds > 0 ? std::to_string(row.timeLimitSeconds) + "s" : "-";
    std::string states = row.states >= 0 ? std::to_string(row.states) : "?";
    char seconds[32] = "?";
    if (row.parSeconds >= 0) std::snprintf(seconds, sizeof seconds, "%.1f", row.parSeconds);
    std::snprintf(line, sizeof line, "%-5d %-8s %4d %-10s %9s %6s %7s  %s\n", row.level,
                  row.difficulty.c_str(), row.par, row.found.c_str(), states.c_str(),
                  limit.c_str(), seconds, mechanics.c_str());
    text += line;
  }
  return text;
}

bool WriteLevelReport(const std::vector<LevelSource>& levels, const std::string& runDir,
                      const std::string& outFile, std::string* error) {
  std::vector<LevelReportRow> rows;
  for (size_t i = 0; i < levels.size(); ++i) {
    int number = static_cast<int>(i) + 1;
    const LevelSource& level = levels[i];
    LevelReportRow row;
    row.level = number;
    row.difficulty = NameDifficulty(number);
    row.par = level.par;
    row.timeLimitSeconds = level.timeLimitSeconds;
    row.mechanics = ListMechanics(level);
    SolverAnswer answer = SolveLevels(runDir, {number})[0];
    row.found = answer.solved ? std::to_string(answer.moves)
                : answer.unsolvable ? "unsolvable"
                : answer.gaveUp ? "gave up" : "no answer";
    if (answer.solved) {
      row.states = MeasureSolverStates(runDir, number);
      PlayAnswer play = PlayMoves(runDir, number, answer.solution);
      if (play.won) row.parSeconds = play.ticks * kSecondsPerTick;
    }
    rows.push_back(row);
    std::printf("level %d: %s\n", number, row.found.c_str());
    std::fflush(stdout);
  }
  std::ofstream out(outFile, std::ios::trunc);
  out << FormatLevelReport(rows);
  out.close();
  if (!out) {
    *error = "cannot write " + outFile;
    return false;
  }
  return true;
}
