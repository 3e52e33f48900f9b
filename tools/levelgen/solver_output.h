// Runs the level solver rivet-solve and reads what it prints.
#pragma once

#include <string>
#include <vector>

struct SolverAnswer {
  int level = 0;
  bool solved = false;
  bool unsolvable = false;
  bool gaveUp = false;
  int moves = 0;          // when solved
  std::string solution;   // when solved: letters L R U D
  long states = -1;       // when it gave up: the states it had searched
};

struct PlayAnswer {
  bool won = false;
  bool lost = false;
  long ticks = -1;  // -1 when no outcome line was printed
};

// Reads one "level N: ..." line; false when the line is not one.
bool ParseSolverLine(const std::string& line, SolverAnswer* answer);
// Reads the last "won/lost/not finished after T ticks" line of --play.
PlayAnswer ParsePlayOutput(const std::string& output);

// Runs a shell command and returns what it printed on stdout.
std::string RunCommand(const std::string& command);

// Path of the solver in the run directory.
std::string NameSolver(const std::string& runDir);

// Solves the given levels with one run of the solver; one answer per level
// asked, in order (a level the solver did not answer has level = 0).
std::vector<SolverAnswer> SolveLevels(const std::string& runDir, const std::vector<int>& levels);
// Plays the moves on a level and reads the outcome.
PlayAnswer PlayMoves(const std::string& runDir, int level, const std::string& moves);
