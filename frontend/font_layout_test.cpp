// The menu font's text layout: one cell per character, the font's glyphs
// drawn in them, and the file each glyph is read from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/font_layout.h"

TEST(FontLayout, EveryCharacterTakesACellAndOnlyTheFontsOwnAreDrawn) {
  // Either case, digits and the underscore are drawn; a space, a dash or a
  // byte of a Polish letter leaves its cell empty.
  const auto places = LayOutFontText("Ab 9_-\xC5z", 0.1f, 0.2f, 1.25f, 1.0f);
  std::vector<int> glyphs;
  for (const GlyphPlace& p : places) glyphs.push_back(p.glyph);
  ASSERT_EQ(glyphs, (std::vector<int>{0, 1, 35, 36, 25}));
  const float w = places[0].width;
  const int cells[] = {0, 1, 3, 4, 7};
  for (size_t i = 0; i < places.size(); ++i) {
    EXPECT_FLOAT_EQ(places[i].x, 0.1f + static_cast<float>(cells[i]) * w) << i;
    EXPECT_FLOAT_EQ(places[i].y, 0.2f) << i;
    EXPECT_FLOAT_EQ(places[i].width, w) << i;
  }
  // Twice the size doubles the cell; the stretch widens it only.
  const GlyphPlace big = LayOutFontText("A", 0, 0, 2.5f, 1.0f)[0], wide = LayOutFontText("A", 0, 0, 1.25f, 2.0f)[0];
  EXPECT_FLOAT_EQ(big.width, 2 * w);
  EXPECT_FLOAT_EQ(big.height, 2 * places[0].height);
  EXPECT_FLOAT_EQ(wide.width, 2 * w);
  EXPECT_FLOAT_EQ(wide.height, places[0].height);
  EXPECT_TRUE(LayOutFontText(nullptr, 0, 0, 1, 1).empty());
}

TEST(FontLayout, EachGlyphIsReadFromTheFileOfItsOwnCharacter) {
  for (int glyph = 0; glyph < kMenuFontGlyphs; ++glyph) {
    char name[32];
    MenuFontFileName(glyph, name);
    EXPECT_EQ(MenuFontGlyph(name[11]), glyph) << name;
    std::string pattern = name;
    EXPECT_EQ(pattern.replace(11, 1, "Q"), "data/font1/Q0.png");
  }
}
