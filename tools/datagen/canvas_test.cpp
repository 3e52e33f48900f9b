// Drawing faults show as dark fringes, wrong coverage or lost opacity: shapes
// cover their true area, translucent paint composites correctly, text wraps
// within its width and centres on its point.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/datagen/canvas.h"
#include "tools/datagen/text.h"
#include "tools/datagen/ui_kit.h"

namespace {

float Coverage(const Canvas& c) {
  float sum = 0.0f;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) sum += c.At(x, y).a;
  return sum;
}

TEST(Canvas, ShapesCoverTheirTrueArea) {
  Canvas circle(64, 64);
  circle.Fill(CircleShape({32, 32}, 20), Colour(1.0f));
  EXPECT_NEAR(Coverage(circle), 3.14159f * 400.0f, 12.0f);
  Canvas rect(64, 64);
  rect.Fill(RoundRectShape({10.5f, 10.5f}, {40.5f, 30.5f}, 0.0f), Colour(1.0f));
  EXPECT_NEAR(Coverage(rect), 600.0f, 2.0f);
  Canvas triangle(64, 64);
  triangle.Fill(PolygonShape({{0, 0}, {40, 0}, {0, 40}}), Colour(1.0f));
  EXPECT_NEAR(Coverage(triangle), 800.0f, 25.0f);
  Canvas ring(64, 64);
  ring.Fill(RingShape({32, 32}, 20, 2), Colour(1.0f));
  EXPECT_NEAR(Coverage(ring), 2.0f * 3.14159f * 20.0f * 4.0f, 10.0f);
}

TEST(Canvas, TranslucentPaintCompositesOverWhatIsBelow) {
  Canvas c(2, 1);
  c.Blend(0, 0, Colour(1, 0, 0, 0.5f));
  c.Blend(0, 0, Colour(0, 0, 1, 0.5f));
  EXPECT_NEAR(c.At(0, 0).a, 0.75f, 1e-5f);
  EXPECT_NEAR(c.At(0, 0).r, 1.0f / 3.0f, 1e-4f);  // straight colour: red weighs 0.25 of 0.75
  EXPECT_NEAR(c.At(0, 0).b, 2.0f / 3.0f, 1e-4f);
  c.Blend(5, 5, Colour(1.0f));  // outside: ignored, no overrun
  c.Blend(1, 0, Colour(1.0f), 0.0f);
  EXPECT_EQ(c.At(1, 0).a, 0.0f);
}

TEST(Canvas, RgbIsCompositedOverBlackAndAnUnwritablePlaceFailsQuietly) {
  Canvas c(1, 1, Colour(1.0f, 0.5f, 0.0f, 0.5f));
  std::vector<uint8_t> rgb = c.Rgb();
  ASSERT_EQ(rgb.size(), 3u);
  EXPECT_EQ(rgb[0], 128);
  EXPECT_EQ(rgb[1], 64);
  EXPECT_FALSE(SavePng(Canvas(2, 2, Colour(1.0f)), "/nonexistent-folder/x.png"));
  EXPECT_EQ(LoadPng("/nonexistent-folder/x.png").Width(), 0);
}

class Text : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(OpenFonts("/usr/share/fonts/truetype/dejavu")); }
  static void TearDownTestSuite() { CloseFonts(); }
};

TEST_F(Text, WrappedLinesFitAndKeepEveryWordInOrder) {
  std::string text = "Roboty jadą razem w stronę wyjścia, a teleport przenosi je do znacznika tego samego koloru.";
  std::vector<std::string> lines = WrapText(text, FontFace::CondensedBold, 30, 400.0f);
  ASSERT_GT(lines.size(), 1u);
  std::string joined;
  for (const std::string& line : lines) {
    EXPECT_LE(RenderInk(line, FontFace::CondensedBold, 30).Width(), 400) << line;
    joined += (joined.empty() ? "" : " ") + line;
  }
  EXPECT_EQ(joined, text);
  // A single word longer than the width still gets its own line rather than vanishing.
  EXPECT_EQ(WrapText("Najdłuższewyrażenie", FontFace::Bold, 60, 20.0f).size(), 1u);
  EXPECT_TRUE(WrapText("", FontFace::Bold, 20, 100.0f).empty());
}

TEST_F(Text, CentredTextCentresItsInk) {
  Canvas c(200, 100);
  TextStyle style;
  style.size = 40;
  DrawTextCentred(c, "ŁÓDŹ", {100, 50}, style);
  int left = 200, right = -1, top = 100, bottom = -1;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 200; ++x)
      if (c.At(x, y).a > 0.0f) left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  EXPECT_NEAR((left + right) * 0.5f, 100.0f, 1.5f);
  EXPECT_NEAR((top + bottom) * 0.5f, 50.0f, 1.5f);
}

}  // namespace
