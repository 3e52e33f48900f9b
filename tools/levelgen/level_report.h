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
  std::string found;   // the solver's answer: "12" moves, "unsolvable", "gave up"
  long states = -1;    // states the solver searched, -1 when unknown
  int timeLimitSeconds = 0;
  double parSeconds = -1;  // the par solution played, in seconds; -1 when unknown
  std::vector<std::string> mechanics;
};

// The table as text, one header line and one line per row.
std::string FormatLevelReport(const std::vector<LevelReportRow>& rows);

// Solves every level with RUN_DIR/rivet-solve and writes the table to outFile.
bool WriteLevelReport(const std::vector<LevelSource>& levels, const std::string& runDir,
                      const std::string& outFile, std::string* error);

// The fewest states the solver needs to solve a level: the state count it
// prints, or else found by trying ever larger --max-states (to within 2%).
long MeasureSolverStates(const std::string& runDir, int level);
