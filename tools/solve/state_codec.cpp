// Packing settled boards into solver keys and back.
#include "tools/solve/state_codec.h"

#include "rules/cell_kinds.h"

namespace {

constexpr uint8_t kInactiveRobot = 0xFF;

// Facing as two bits, in the order left, right, up, down.
int FacingCode(const RobotRecord& r) {
  if (r.dx == -1) return 0;
  if (r.dx == 1) return 1;
  if (r.dy == -1) return 2;
  return 3;
}

void SetFacing(RobotRecord& r, int code) {
  static const float kDx[4] = {-1, 1, 0, 0};
  static const float kDy[4] = {0, 0, -1, 1};
  static const float kAngle[4] = {0, 180, 270, 90};
  r.dx = kDx[code];
  r.dy = kDy[code];
  r.angle = kAngle[code];
}

bool IsWhole(float v) { return v == static_cast<float>(static_cast<int32_t>(v)); }

}  // namespace

LevelShape FindLevelShape(const Board& board) {
  LevelShape shape;
  for (int32_t x = 0; x < kBoardColumns; ++x)
    for (int32_t y = 0; y < kBoardRows; ++y)
      if (IsDoorKind(board.CellKindAt(x, y)))
        shape.doorCells.push_back(static_cast<int16_t>(x * kBoardRows + y));
  return shape;
}

bool EncodeSettledBoard(const Board& board, const LevelShape& shape, std::vector<uint8_t>& key) {
  key.clear();
  key.push_back(static_cast<uint8_t>(board.robotCount & 0xFF));
  key.push_back(static_cast<uint8_t>(board.robotCount >> 8));
  for (int32_t i = 0; i < board.robotCount; ++i) {
    const RobotRecord& r = board.robots[i];
    if (!r.active) {
      key.push_back(kInactiveRobot);
      continue;
    }
    if (!IsWhole(r.x) || !IsWhole(r.y) || r.x < 0 || r.x >= kBoardColumns || r.y < 0 || r.y >= kBoardRows) return false;
    // Having just arrived only matters to rollers: elsewhere it is forgotten
    // alike by every state, so it is left out and equal states meet.
    int32_t kind = board.CellKindAt(static_cast<int32_t>(r.x), static_cast<int32_t>(r.y));
    int carried = r.justArrived && IsRollerKind(kind) ? 1 : 0;
    key.push_back(static_cast<uint8_t>(r.x));
    key.push_back(static_cast<uint8_t>(static_cast<int32_t>(r.y) | FacingCode(r) << 4 | r.skidding << 6 | carried << 7));
  }
  uint8_t bits = 0;
  for (size_t d = 0; d < shape.doorCells.size(); ++d) {
    int16_t cell = shape.doorCells[d];
    if (board.cellState[cell / kBoardRows][cell % kBoardRows] == 4) bits |= static_cast<uint8_t>(1 << (d % 8));
    if (d % 8 == 7 || d + 1 == shape.doorCells.size()) {
      key.push_back(bits);
      bits = 0;
    }
  }
  return true;
}

void DecodeSettledBoard(const uint8_t* key, size_t size, const LevelShape& shape, Board& board) {
  size_t at = 0;
  auto next = [&]() -> uint8_t { return at < size ? key[at++] : 0; };
  int32_t count = next();
  count |= next() << 8;
  board.robotCount = count < kRobotCapacity ? count : kRobotCapacity;
  for (int32_t i = 0; i < board.robotCount; ++i) {
    RobotRecord r;
    uint8_t first = next();
    if (first == kInactiveRobot) {
      r.active = 0;
    } else {
      uint8_t second = next();
      r.active = 1;
      r.x = r.originX = first;
      r.y = r.originY = second & 0x0F;
      SetFacing(r, (second >> 4) & 3);
      r.skidding = (second >> 6) & 1;
      r.justArrived = second >> 7;
    }
    board.robots[i] = r;
  }
  uint8_t bits = 0;
  for (size_t d = 0; d < shape.doorCells.size(); ++d) {
    if (d % 8 == 0) bits = next();
    int16_t cell = shape.doorCells[d];
    bool open = (bits >> (d % 8)) & 1;
    board.cellState[cell / kBoardRows][cell % kBoardRows] = open ? 4.0f : 0.0f;
  }
  board.GameState = kGamePlaying;
  board.doorsMoving = 0;
  board.explosionAnim = 0;
  board.electroAnim = 0;
  board.CameraMode = 0;
}
