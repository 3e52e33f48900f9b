// The character table of level files and the model of every cell kind.
#include "rules/cell_kinds.h"

#include <array>

namespace {

struct CharLook {
  int8_t kind;
  int16_t angle;
};

constexpr std::array<CharLook, 256> MakeCharTable() {
  std::array<CharLook, 256> t{};
  auto set = [&t](char c, int kind, int angle) {
    t[static_cast<uint8_t>(c)] = CharLook{static_cast<int8_t>(kind), static_cast<int16_t>(angle)};
  };
  set('a', 1, 0);
  set('h', 2, 180), set('i', 2, 0), set('j', 2, 90), set('k', 2, 270);
  set('f', 3, 0), set('g', 3, 90), set('U', 3, 0), set('V', 3, 0), set('X', 3, 90), set('W', 3, 90);
  set('b', 4, 90), set('c', 4, 0), set('d', 4, 180), set('e', 4, 270);
  set('w', 5, 180), set('x', 5, 90);
  set('y', 6, 0);
  set('z', 7, 180), set('A', 7, 90);
  set('B', 8, 0);
  set('C', 9, 0);
  set('D', 10, 0);
  set('E', 11, 0), set('F', 12, 0), set('G', 13, 0);
  set('H', 14, 0), set('I', 15, 0), set('J', 16, 0);
  set('K', 17, 0);
  set('L', 18, 0);
  set('O', 21, 0);
  set('P', 22, 0);
  set('m', 23, 90), set('u', 23, 90);
  set('l', 24, 180), set('n', 24, 180), set('v', 24, 180);
  set('o', 25, 90), set('s', 25, 90);
  set('p', 26, 180), set('t', 26, 180);
  set('q', 27, 90);
  set('r', 28, 180);
  set('N', 29, 90);
  set('M', 30, 180);
  set('Q', 31, 180), set('R', 31, 90);
  set('S', 32, 180), set('T', 32, 90);
  return t;
}

constexpr std::array<CharLook, 256> kCharTable = MakeCharTable();

constexpr const char* kModelFiles[kCellKindCount] = {
    "data/k00.vxm",
    "data/k01.vxm",
    "data/k02.vxm",
    "data/k03.vxm",
    "data/k04.vxm",
    "data/k00 drzwi blue.vxm",
    "data/k00 wl1.vxm",
    "data/k00 drzwi red.vxm",
    "data/k00 wl2.vxm",
    "data/k00 olej.vxm",
    "data/k00 wyj.vxm",
    "data/tele blue.VXM",
    "data/tele green.VXM",
    "data/tele oran.VXM",
    "data/znacznik blue.VXM",
    "data/znacznik green.VXM",
    "data/znacznik oran.VXM",
    "data/k00 mina.VXM",
    "data/k00 kable.VXM",
    nullptr,
    nullptr,
    "data/kloner.VXM",
    "data/kloner odb.VXM",
    "data/k00 rolki1.VXM",
    "data/k00 rolki2.VXM",
    "data/k00 rolki1b.VXM",
    "data/k00 rolki2b.VXM",
    "data/k00 rolki1c.VXM",
    "data/k00 rolki2c.VXM",
    "data/k00 rolki_i_mina.VXM",
    "data/k00 rolki2_i_mina.VXM",
    "data/k00 rolki1 drzwi1.VXM",
    "data/k00 rolki1 drzwi2.VXM",
};

}  // namespace

constexpr std::array<int8_t, 256> MakeKindTable() {
  std::array<int8_t, 256> kinds{};
  for (int c = 0; c < 256; ++c) kinds[c] = kCharTable[c].kind;
  return kinds;
}

const std::array<int8_t, 256> kCellKindOfChar = MakeKindTable();

float CellAngleOfChar(uint8_t c) { return static_cast<float>(kCharTable[c].angle); }

const char* CellModelFile(int32_t kind) {
  if (kind < 0 || kind >= kCellKindCount) return nullptr;
  return kModelFiles[kind];
}
