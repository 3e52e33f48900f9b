// Lays out the level report table.
#include "level_report.h"

#include <cstdio>

#include "level_catalogue.h"
#include "level_mechanics.h"

LevelReportRow StartReportRow(const LevelSource& level, int levelNumber) {
  LevelReportRow row;
  row.level = levelNumber;
  row.difficulty = NameDifficulty(levelNumber);
  row.par = level.par;
  row.timeLimitSeconds = level.timeLimitSeconds;
  row.mechanics = ListMechanics(level);
  return row;
}

std::string FormatLevelReport(const std::vector<LevelReportRow>& rows) {
  std::string text;
  char line[512];
  std::snprintf(line, sizeof line, "%-5s %-8s %4s %-10s %8s %6s %6s %6s %-8s  %s\n", "level",
                "diff", "par", "solver", "states", "rating", "limit", "play", "needs", "mechanics");
  text += line;
  for (const LevelReportRow& row : rows) {
    std::string mechanics;
    for (const std::string& name : row.mechanics) {
      mechanics += (mechanics.empty() ? "" : ", ") + name;
    }
    std::string limit = row.timeLimitSeconds > 0 ? std::to_string(row.timeLimitSeconds) + "s" : "-";
    std::string states = row.states >= 0 ? std::to_string(row.states) : "?";
    char seconds[32] = "?";
    if (row.parSeconds >= 0) std::snprintf(seconds, sizeof seconds, "%.1fs", row.parSeconds);
    char rating[32] = "?";
    if (row.rating >= 0) std::snprintf(rating, sizeof rating, "%.1f", row.rating);
    std::string needs = row.needs.empty() ? "?" : row.needs;
    std::snprintf(line, sizeof line, "%-5d %-8s %4d %-10s %8s %6s %6s %6s %-8s  %s\n", row.level,
                  row.difficulty.c_str(), row.par, row.found.c_str(), states.c_str(), rating,
                  limit.c_str(), seconds, needs.c_str(), mechanics.c_str());
    text += line;
  }
  return text;
}
