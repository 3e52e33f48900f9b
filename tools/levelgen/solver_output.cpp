// Calls rivet-solve as a program, exactly as a designer would on the command line.
#include "solver_output.h"

#include <cstdio>
#include <sstream>

namespace {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') quoted += "'\\''";
    else quoted += c;
  }
  return quoted + "'";
}

bool StartsWith(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

bool ParseSolverLine(const std::string& line, SolverAnswer* answer) {
  *answer = SolverAnswer();
  int level = 0;
  int used = 0;
  if (std::sscanf(line.c_str(), "level %d: %n", &level, &used) != 1 || used == 0) return false;
  std::string rest = line.substr(static_cast<size_t>(used));
  answer->level = level;
  int moves = 0;
  long states = 0;
  char letters[4096] = "";
  if (std::sscanf(rest.c_str(), "solved in %d moves: %4095[LRUD]", &moves, letters) >= 1 &&
      StartsWith(rest, "solved in")) {
    answer->solved = true;
    answer->moves = moves;
    answer->solution = letters;
  } else if (StartsWith(rest, "unsolvable")) {
    answer->unsolvable = true;
  } else if (std::sscanf(rest.c_str(), "gave up after %ld states", &states) == 1) {
    answer->gaveUp = true;
    answer->states = states;
  } else {
    return false;
  }
  return true;
}

PlayAnswer ParsePlayOutput(const std::string& output) {
  PlayAnswer answer;
  std::istringstream in(output);
  std::string line;
  while (std::getline(in, line)) {
    long ticks = 0;
    if (std::sscanf(line.c_str(), "won after %ld ticks", &ticks) == 1) {
      answer = {true, false, ticks};
    } else if (std::sscanf(line.c_str(), "lost after %ld ticks", &ticks) == 1) {
      answer = {false, true, ticks};
    } else if (std::sscanf(line.c_str(), "not finished after %ld ticks", &ticks) == 1) {
      answer = {false, false, ticks};
    }
  }
  return answer;
}

std::string RunCommand(const std::string& command) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[4096];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  pclose(pipe);
  return output;
}

std::string NameSolver(const std::string& runDir) { return runDir + "/rivet-solve"; }

std::vector<SolverAnswer> SolveLevels(const std::string& runDir, const std::vector<int>& levels) {
  std::string command = Quote(NameSolver(runDir)) + " --data " + Quote(runDir);
  for (int level : levels) command += " " + std::to_string(level);
  std::istringstream in(RunCommand(command + " 2>/dev/null"));
  std::vector<SolverAnswer> answers(levels.size());
  std::string line;
  while (std::getline(in, line)) {
    SolverAnswer answer;
    if (!ParseSolverLine(line, &answer)) continue;
    for (size_t i = 0; i < levels.size(); ++i) {
      if (levels[i] == answer.level && answers[i].level == 0) {
        answers[i] = answer;
        break;
      }
    }
  }
  return answers;
}

PlayAnswer PlayMoves(const std::string& runDir, int level, const std::string& moves) {
  std::string command = Quote(NameSolver(runDir)) + " --data " + Quote(runDir) + " --play " +
                        Quote(moves) + " " + std::to_string(level);
  return ParsePlayOutput(RunCommand(command + " 2>/dev/null"));
}
