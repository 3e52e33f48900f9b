// Picture tests on the play screen's real pixels at 640 x 480: a door's open
// and closed states look different whichever way it stands, and the pairs a
// player must tell apart (blue and red doors, green and orange teleports and
// markers, exits and teleports) stay apart for colour-blind players and by
// shape alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tools/levelshots/board_shots.h"
#include "tools/levelshots/colour_vision.h"

namespace {

constexpr int kGrid = 24;  // samples across a cell

struct CellSamples {
  float rgb[kGrid][kGrid][3];
};

// A cell's screen box sampled on a fixed grid, so two cells compare point by point.
CellSamples Sample(const Board& board, const Shot& shot, int column, int row) {
  const PixelBox b = CellBox(board, column, row, shot.width, shot.height);
  CellSamples s;
  for (int j = 0; j < kGrid; ++j)
    for (int i = 0; i < kGrid; ++i) {
      const int x = b.x0 + (b.x1 - b.x0) * i / (kGrid - 1), y = b.y0 + (b.y1 - b.y0) * j / (kGrid - 1);
      const uint8_t* p = &shot.rgba[(size_t(y) * size_t(shot.width) + size_t(x)) * 4];
      for (int k = 0; k < 3; ++k) s.rgb[j][i][k] = float(p[k]);
    }
  return s;
}

// Mean colour distance (0..441) between two samplings.
float ColourDistance(const CellSamples& a, const CellSamples& b) {
  double sum = 0;
  for (int j = 0; j < kGrid; ++j)
    for (int i = 0; i < kGrid; ++i) {
      float d2 = 0;
      for (int k = 0; k < 3; ++k) d2 += (a.rgb[j][i][k] - b.rgb[j][i][k]) * (a.rgb[j][i][k] - b.rgb[j][i][k]);
      sum += std::sqrt(d2);
    }
  return float(sum / (kGrid * kGrid));
}

// How far the patterns of light and dark differ once each cell's own mean
// lightness and contrast are taken out: what is left is shape.
float ShapeDistance(const CellSamples& a, const CellSamples& b) {
  auto normalised = [](const CellSamples& s, float* out) {
    double mean = 0, var = 0;
    for (int n = 0; n < kGrid * kGrid; ++n) mean += s.rgb[n / kGrid][n % kGrid][0];
    mean /= kGrid * kGrid;
    for (int n = 0; n < kGrid * kGrid; ++n) var += std::pow(s.rgb[n / kGrid][n % kGrid][0] - mean, 2);
    const double sd = std::sqrt(var / (kGrid * kGrid)) + 1.0;
    for (int n = 0; n < kGrid * kGrid; ++n) out[n] = float((s.rgb[n / kGrid][n % kGrid][0] - mean) / sd);
  };
  float na[kGrid * kGrid], nb[kGrid * kGrid];
  normalised(a, na), normalised(b, nb);
  double sum = 0;
  for (int n = 0; n < kGrid * kGrid; ++n) sum += std::fabs(na[n] - nb[n]);
  return float(sum / (kGrid * kGrid));
}

class Showcase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const char* run = std::getenv("RR_RUN_DIR");
    ASSERT_NE(run, nullptr) << "RR_RUN_DIR names the built game's folder";
    ASSERT_TRUE(OpenShotScreen(run, 640, 480));
    board_ = new Board;
    MakeShowcaseBoard(*board_, false);
    closed_ = new Shot(ShootBoard(*board_));
    MakeShowcaseBoard(*board_, true);
    open_ = new Shot(ShootBoard(*board_));
  }
  static Shot Seen(const Shot& shot, ColourVision vision) {
    Shot s = shot;
    SimulateColourVision(s.rgba, vision);
    return s;
  }
  static Board* board_;
  static Shot *closed_, *open_;
};
Board* Showcase::board_ = nullptr;
Shot* Showcase::closed_ = nullptr;
Shot* Showcase::open_ = nullptr;

TEST_F(Showcase, ClosedAndOpenDoorsLookDifferentStandingEitherWay) {
  ASSERT_EQ(closed_->width, 640);
  const char* names[4] = {"blue across x", "blue across y", "red across x", "red across y"};
  for (int i = 0; i < 4; ++i) {
    const int c = kShowcaseColumns[i], r = kShowcaseDoorRow;
    const float d = ColourDistance(Sample(*board_, *closed_, c, r), Sample(*board_, *open_, c, r));
    EXPECT_GT(d, 60.0f) << names[i];
    // Even by lightness alone the two states are far apart.
    const float grey = ColourDistance(Sample(*board_, Seen(*closed_, ColourVision::Lightness), c, r),
                                      Sample(*board_, Seen(*open_, ColourVision::Lightness), c, r));
    EXPECT_GT(grey, 30.0f) << names[i];
  }
}

TEST_F(Showcase, KeyPairsStayApartForColourBlindPlayersAndByShape) {
  struct Pair {
    const char* name;
    int columnA, rowA, columnB, rowB;
  };
  const int* c = kShowcaseColumns;
  const Pair pairs[] = {
      {"blue and red door", c[0], kShowcaseDoorRow, c[2], kShowcaseDoorRow},
      {"red door and wall", c[3], kShowcaseDoorRow, 14, kShowcaseDoorRow},
      {"green and orange teleport", c[1], kShowcaseTeleportRow, c[2], kShowcaseTeleportRow},
      {"green and orange marker", c[1], kShowcaseMarkerRow, c[2], kShowcaseMarkerRow},
      {"exit and green teleport", c[3], kShowcaseTeleportRow, c[1], kShowcaseTeleportRow},
      {"exit and orange teleport", c[3], kShowcaseTeleportRow, c[2], kShowcaseTeleportRow},
      {"exit and blue teleport", c[3], kShowcaseTeleportRow, c[0], kShowcaseTeleportRow},
  };
  for (ColourVision vision : {ColourVision::Protanopia, ColourVision::Deuteranopia}) {
    const Shot seen = Seen(*closed_, vision);
    for (const Pair& p : pairs) {
      const CellSamples a = Sample(*board_, seen, p.columnA, p.rowA), b = Sample(*board_, seen, p.columnB, p.rowB);
      EXPECT_GT(ColourDistance(a, b), 40.0f) << p.name << " with " << ColourVisionName(vision);
    }
  }
  const Shot grey = Seen(*closed_, ColourVision::Lightness);
  for (const Pair& p : pairs) {
    const CellSamples a = Sample(*board_, grey, p.columnA, p.rowA), b = Sample(*board_, grey, p.columnB, p.rowB);
    EXPECT_GT(ShapeDistance(a, b), 0.5f) << p.name << " by shape";
  }
}

}  // namespace
