// The menu font's text layout: cells, glyphs and file names.
#include <gtest/gtest.h>

#include "frontend/font_layout.h"

TEST(FontLayout, SpaceLeavesItsCellEmptyAndCaseDoesNotMatter) {
  const auto upper = LayOutFontText("AB C", 0.1f, 0.2f, 1.0f, 1.0f);
  ASSERT_EQ(upper.size(), 3u);
  const float w = 0.5f / 13.0f;
  EXPECT_FLOAT_EQ(upper[0].width, w);
  EXPECT_FLOAT_EQ(upper[0].height, 0.05f);
  EXPECT_FLOAT_EQ(upper[1].x, 0.1f + w);
  EXPECT_EQ(upper[2].glyph, 2);
  EXPECT_FLOAT_EQ(upper[2].x, 0.1f + 3 * w);  // the fourth cell
  EXPECT_FLOAT_EQ(upper[2].y, 0.2f);
  const auto lower = LayOutFontText("ab c", 0.1f, 0.2f, 1.0f, 1.0f);
  ASSERT_EQ(lower.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(lower[i].glyph, upper[i].glyph);
    EXPECT_FLOAT_EQ(lower[i].x, upper[i].x);
  }
}

TEST(FontLayout, CountdownTextDigitsAndUnknownCharacters) {
  // "CZAS 30" as the heads-up display draws it: size 1.25, stretch 1.
  const auto places = LayOutFontText("CZAS 30", 0.08f, 0.1f, 1.25f, 1.0f);
  ASSERT_EQ(places.size(), 6u);
  EXPECT_EQ(places[4].glyph, 26 + 3);
  EXPECT_EQ(places[5].glyph, 26);
  EXPECT_FLOAT_EQ(places[5].height, 0.0625f);
  EXPECT_EQ(MenuFontGlyph('_'), 36);
  EXPECT_EQ(MenuFontGlyph('-'), -1);
  EXPECT_EQ(MenuFontGlyph(static_cast<char>(0xC5)), -1);
  EXPECT_TRUE(LayOutFontText("", 0, 0, 1, 1).empty());
  EXPECT_TRUE(LayOutFontText(nullptr, 0, 0, 1, 1).empty());
}

TEST(FontLayout, GlyphFileNames) {
  char name[32];
  MenuFontFileName(0, name);
  EXPECT_STREQ(name, "data/font1/A0.png");
  MenuFontFileName(35, name);
  EXPECT_STREQ(name, "data/font1/90.png");
  MenuFontFileName(36, name);
  EXPECT_STREQ(name, "data/font1/_0.png");
}
