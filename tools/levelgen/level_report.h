// The level report: one table line per level with its difficulty, par, the
// solver's effort, its time limit and the mechanics it uses.
#pragma once

#include <string>
#include <vector>

#include "level_source.h"

struct LevelReportRow {
  int level = 0;
  std::string difficulty;
  int par = 0;
  std::string found;       // the solver's answer: "12" moves, "unsolvable", "gave up"
  long states = -1;        // settled states the solver searched, -1 when unknown
  int timeLimitSeconds = 0;
  double parSeconds = -1;  // the shortest solution played, in seconds; -1 when unknown
  double rating = -1;      // RateDifficulty of par and states; -1 when unknown
  std::string needs;       // "3 ok", or the cells the level does without: "7,4 8,2"
  std::vector<std::string> mechanics;
};

// The row of level n as far as its source tells (no solver answers yet).
LevelReportRow StartReportRow(const LevelSource& level, int levelNumber);

// The table as text, one header line and one line per row.
std::string FormatLevelReport(const std::vector<LevelReportRow>& rows);
