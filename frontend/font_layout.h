// Where the letters of a menu-font text go: one cell per character, letters
// and digits and the underscore drawn, anything else left as an empty cell.
#pragma once
#include <vector>

constexpr int kMenuFontGlyphs = 37;  // A-Z, 0-9, _

// Glyph of a character: 0-25 letters (either case), 26-35 digits, 36 the
// underscore; -1 for a character the font does not have.
int MenuFontGlyph(char c);

struct GlyphPlace {
  int glyph = 0;
  float x = 0, y = 0, width = 0, height = 0;
};

// The cell of character index i of a text at (x, y): each cell is
// size * stretch / 26 wide and size * 0.05 high, left to right; the glyph is
// -1 for a character the font does not have. Allocates nothing, for drawing.
GlyphPlace PlaceFontGlyph(char c, int index, float x, float y, float size, float stretch);
// The drawn cells of a whole text (empty cells left out).
std::vector<GlyphPlace> LayOutFontText(const char* text, float x, float y, float size, float stretch);

// The file of a glyph: "data/font1/Q0.png" with the Q replaced.
void MenuFontFileName(int glyph, char name[32]);
