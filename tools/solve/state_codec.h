// A settled board in a few bytes: per robot its cell, facing and the two
// flags that still matter at rest (skidding on oil, just arrived), and one
// bit per door. Everything else of a settled board is the same in every
// state of a level, so decoding gives a board that plays exactly alike.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/board.h"

struct LevelShape {
  std::vector<int16_t> doorCells;  // x * kBoardRows + y of every door, column by column
};

LevelShape FindLevelShape(const Board& board);

// Appends the key of a settled board to key (cleared first). False when the
// board is not at rest on whole cells and so has no key.
bool EncodeSettledBoard(const Board& board, const LevelShape& shape, std::vector<uint8_t>& key);
// Writes the robots, doors and game state that the key describes into board;
// its cells must be those of the level the key came from.
void DecodeSettledBoard(const uint8_t* key, size_t size, const LevelShape& shape, Board& board);
