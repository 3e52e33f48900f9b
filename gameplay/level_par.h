// Each level's par, the moves of its shortest solution, from "levels/par.txt"
// (one number a line, level 1 first), which the level generator writes.
#pragma once
#include <cstdint>

// 0 when the file or its line is missing or not a number; the file is read
// on first use, and a missing one says so once.
int32_t LevelPar(int level);
// The parse behind it: line n of text, 0 when there is none.
int32_t ParOfLine(const char* text, int32_t size, int level);
