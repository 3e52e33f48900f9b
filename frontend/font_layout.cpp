// Laying out menu-font text.
#include "frontend/font_layout.h"

#include <cstring>

int MenuFontGlyph(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= '0' && c <= '9') return 26 + (c - '0');
  if (c == '_') return 36;
  return -1;
}

GlyphPlace PlaceFontGlyph(char c, int index, float x, float y, float size, float stretch) {
  // The whole text is n * 0.5 * size * stretch / 13 wide, shared equally.
  const float w = 0.5f * size * stretch / 13.0f;
  return {MenuFontGlyph(c), x + static_cast<float>(index) * w, y, w, size * 0.05f};
}

std::vector<GlyphPlace> LayOutFontText(const char* text, float x, float y, float size, float stretch) {
  std::vector<GlyphPlace> places;
  if (text == nullptr) return places;
  for (int i = 0; text[i] != 0; ++i) {
    const GlyphPlace place = PlaceFontGlyph(text[i], i, x, y, size, stretch);
    if (place.glyph >= 0) places.push_back(place);
  }
  return places;
}

void MenuFontFileName(int glyph, char name[32]) {
  std::strcpy(name, "data/font1/Q0.png");
  char c = '_';
  if (glyph >= 0 && glyph < 26) c = static_cast<char>('A' + glyph);
  else if (glyph >= 26 && glyph < 36) c = static_cast<char>('0' + glyph - 26);
  name[11] = c;
}
