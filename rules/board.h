// The board of one level in play: 18 x 12 cells, the robot table, the level's
// timers, the failure and exit animations and the play screen's camera values.
// LoadLevel fills it, Step advances it by one 5 ms tick, the play loop draws
// it straight from these fields. Plain data: copying a Board copies a level.
#pragma once
#include <cstdint>

#include "rules/cell_kinds.h"
#include "rules/step_input.h"

constexpr int32_t kBoardColumns = 18;
constexpr int32_t kBoardRows = 12;
constexpr int32_t kLastColumn = kBoardColumns - 1;
constexpr int32_t kLastRow = kBoardRows - 1;
constexpr int32_t kRobotCapacity = 800;

// Board.GameState: a death plays its animation, then the level is lost.
enum GameStateCode : int32_t {
  kGamePlaying = 0,
  kGameExploding = 1,
  kGameLost = 2,
  kGameElectrocuting = 3,
  kGameExplodingAndElectrocuting = 5,
};

// What LevelStatus reports.
enum LevelStatusCode : uint8_t {
  kLevelPlaying = 0,
  kLevelWon = 1,
  kLevelLost = 2,
};

// RobotRecord.deathKind.
enum DeathKind : uint8_t {
  kAlive = 0,
  kDeathExploded = 1,
  kDeathElectrocuted = 2,
};

// One robot. Positions are in cell units; a robot stands on a cell when its
// position is whole and is between two cells while it moves.
struct RobotRecord {
  float x = 0, y = 0;
  float dx = 0, dy = 1;          // facing: (-1,0) (1,0) (0,-1) or (0,1)
  float angle = 90;              // drawing angle: left 0, down 90, right 180, up 270
  float turnSign = 0;            // +1 or -1: sense of the turn in progress
  float turnRemaining = 0;       // degrees still to turn; 0 or less when not turning
  float originX = 0, originY = 0;  // where the move started; during a teleport, the destination
  float moveCountdown = -1;      // 60 at the start of a move down to 0; -1 with no move
  float teleportAnim = -1;       // -1, or 0..10 during a teleport
  float cloneAnim = -1;          // -1, or 0..10 entering a cloner or appearing from one
  float exitAnim = -1;           // -1, or 0..10 leaving through an exit
  uint8_t moving = 0;            // wants to move or moves
  uint8_t skidding = 0;          // this move started on oil and goes nowhere
  uint8_t active = 0;            // on the board; 0 once exited or taken by a cloner
  uint8_t heldBack = 0;          // scratch of each step: may not start its move now
  uint8_t deathKind = kAlive;    // DeathKind
  uint8_t clonedCopy = 0;        // a cloner's copy still playing its appearance
  uint8_t justArrived = 0;       // finished a move (or the level began): rollers carry it on
};

// What a cell looks like: its kind (cell_kinds.h) and the model's turn about z.
struct CellVisualInfo {
  int32_t kind = 0;
  float angle = 0;
};

struct Board {
  RobotRecord robots[kRobotCapacity];       // 0..robotCount-1 in use, never removed
  uint8_t cellChars[kBoardColumns][kBoardRows] = {};  // level file characters, [x][y]
  float cellState[kBoardColumns][kBoardRows] = {};    // doors only: 0 closed .. 4 open, see below
  int32_t robotCount = 0;
  int32_t timeLimit = 0;     // milliseconds; 0 or less: no limit
  int32_t elapsed = 0;       // milliseconds, counted by the play loop
  int32_t GameState = kGamePlaying;  // GameStateCode
  float eyeHeight = 0;       // overview camera eye y: sin(pitch) * 50
  float eyeDistance = 0;     // overview camera eye z: cos(pitch) * 50
  float spareCamera[2] = {};  // carried to and from the player record only
  float pitch = 0;           // overview pitch in degrees, -45..0
  float robotViewYaw = 0;    // degrees, when looking through a robot
  float exitAnim = 0;        // exit cells' frame, 0..10 cycling
  float explosionAnim = 0;   // 0..9, robots with deathKind 1
  float electroAnim = 0;     // 0..20, robots with deathKind 2
  float lookAt[3] = {};      // camera target when looking through a robot
  int32_t CameraMode = 0;    // 0 overview; 1..9 through robot 0..8; -1 set by the caller
  // Some door may be opening or closing: a switch sets it, the door pass of
  // a step clears it once every door is at rest, and most steps skip that
  // pass. Whoever writes a moving door state by hand sets it too.
  uint8_t doorsMoving = 1;

  // Door cell state: 0 closed, 4 open, 0..4 opening, -4..0 closing, and -1000
  // for "switched while closed, starts opening next step". |state| is the
  // door model's frame.

  // Reads level n (1..45) from "levels/gracze.gra", "levels/etapy.gra" and
  // "levels/reszta.gra" under folder ("" is the current directory). Replaces
  // the robots, the cells the layout names and the time limit, and resets
  // the per-level counters. A missing or unreadable part prints one line and
  // is left empty (no robots / cells unchanged / time limit unchanged).
  // Returns true when all three parts were read.
  bool LoadLevel(int32_t levelNumber, const char* folder = "");

  // One 5 ms tick with the player's input of that tick: advances everything,
  // says which effects to play and whether a move was taken. The latches (kept by the caller, one set
  // per board played) make a group of robots play one sound.
  StepReport Step(const StepInput& input, SoundLatches& latches);
  // LevelStatusCode: lost, won (no robot left on the board) or still playing.
  uint8_t LevelStatus() const;
  // Whether a robot may drive into the cell at (x, y): on the board, no wall,
  // no closed or moving door, and any robot standing there can move on.
  bool CanEnter(float x, float y, int32_t depth) const;
  bool CanEnterIgnoringRobots(float x, float y, int32_t depth) const;

  // x, y must lie on the board.
  CellVisualInfo CellVisual(int32_t x, int32_t y) const;
  // -1 off the board.
  int32_t CellKindAt(int32_t x, int32_t y) const {
    if (x < 0 || x >= kBoardColumns || y < 0 || y >= kBoardRows) return -1;
    return CellKindOfChar(cellChars[x][y]);
  }
};
