// The vocabulary of cells: which level-file character is which kind of cell,
// the angle its model is turned by, and the groups the rules test for.
#pragma once
#include <array>
#include <cstdint>

enum CellKind : int32_t {
  kCellFloor = 0,
  kCellWall1 = 1,
  kCellWall2 = 2,
  kCellWall3 = 3,
  kCellWall4 = 4,
  kCellBlueDoor = 5,
  kCellBlueSwitch = 6,
  kCellRedDoor = 7,
  kCellRedSwitch = 8,
  kCellOil = 9,
  kCellExit = 10,
  kCellBlueTeleport = 11,
  kCellGreenTeleport = 12,
  kCellOrangeTeleport = 13,
  kCellBlueMarker = 14,
  kCellGreenMarker = 15,
  kCellOrangeMarker = 16,
  kCellMine = 17,
  kCellCables = 18,
  // 19 and 20 have no character and no model.
  kCellClonerEntrance = 21,
  kCellClonerReceiver = 22,
  kCellRollers1 = 23,
  kCellRollers2 = 24,
  kCellRollers1b = 25,
  kCellRollers2b = 26,
  kCellRollers1c = 27,
  kCellRollers2c = 28,
  kCellRollerMine1 = 29,  // drawn on rollers, but only a mine to the rules
  kCellRollerMine2 = 30,
  kCellBlueDoorRollers = 31,
  kCellRedDoorRollers = 32,
};
constexpr int32_t kCellKindCount = 33;

// Kind and model angle of a level-file character; unknown characters are floor.
// The kind is asked for several times a step for every robot: kept inline.
extern const std::array<int8_t, 256> kCellKindOfChar;
inline int32_t CellKindOfChar(uint8_t c) { return kCellKindOfChar[c]; }
float CellAngleOfChar(uint8_t c);
// The model drawn for a kind ("data/..."), or null for kinds 19 and 20 and
// anything out of range.
const char* CellModelFile(int32_t kind);

inline bool IsWallKind(int32_t k) { return k >= kCellWall1 && k <= kCellWall4; }
inline bool IsBlueDoorKind(int32_t k) { return k == kCellBlueDoor || k == kCellBlueDoorRollers; }
inline bool IsRedDoorKind(int32_t k) { return k == kCellRedDoor || k == kCellRedDoorRollers; }
inline bool IsDoorKind(int32_t k) { return IsBlueDoorKind(k) || IsRedDoorKind(k); }
// Doors on rollers are rollers too; the roller-and-mine cells are not.
inline bool IsRollerKind(int32_t k) {
  return (k >= kCellRollers1 && k <= kCellRollers2c) || k == kCellBlueDoorRollers || k == kCellRedDoorRollers;
}
inline bool IsMineKind(int32_t k) { return k == kCellMine || k == kCellRollerMine1 || k == kCellRollerMine2; }
inline bool IsTeleportKind(int32_t k) { return k >= kCellBlueTeleport && k <= kCellOrangeTeleport; }
