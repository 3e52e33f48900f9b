// What a level is made of, in the words of a level designer: the cell kinds
// behind the board characters, the mechanics a level uses, and the checks
// that keep a drawn level playable (a way off the board, a marker for every
// teleport, a door for every switch).
#pragma once

#include <string>
#include <vector>

#include "level_source.h"

// The cell kind a board character stands for (0 floor ... 32); characters
// that the game does not know are floor.
int CellKindOfChar(char c);

// Short names of the mechanics a level uses, in a fixed order
// ("exit", "oil", "blue door", ..., "time limit").
std::vector<std::string> ListMechanics(const LevelSource& level);

// What one cell holds, in the words of a "need:" line: "floor", "wall",
// "exit", "oil", "blue door", "blue switch", "orange teleport", "green marker",
// "cloner", "receiver", "rollers", "mine on rollers", "red door on rollers"...
std::string NameCellElement(char c);

// The character the necessity check puts in place of a needed cell: doors,
// exits and floor are walled up, everything else becomes floor.
char RemoveNeededCell(char c);

// Every cell kind used by the level (sorted, without duplicates).
std::vector<int> ListCellKinds(const LevelSource& level);

// The lines a board is drawn with: a row or column of the level's used area
// (the box around every cell that is not wall) that is at least half one
// family of cells - mines, cables, rollers, doors, teleports... - is a line,
// named by its family, its direction and what its longest run leads into
// ("rollers rows into mine", "mine rows"). One entry per line.
std::vector<std::string> ListBoardLines(const LevelSource& level);

// Whether a player would take two levels for the same one: the same board, or
// both drawn with the same kind of line at least twice (two mine fences across
// a room, belts that end on mines).
bool LevelsLookAlike(const LevelSource& a, const LevelSource& b);

// "" when the level is playable in shape and every "need:" names what its
// cell holds; otherwise what is wrong.
std::string CheckLevelShape(const LevelSource& level);
