// Laying out menu-font text.
#include "frontend/font_layout.h"

#include <cstdio>
#include <cstring>

int MenuFontGlyph(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= '0' && c <= '9') return 26 + (c - '0');
  if (c == '_') return 36;
  return -1;
}

std::vector<GlyphPlace> LayOutFontText(const char* text, float x, float y, float size, float stretch) {
  std::vector<GlyphPlace> places;
  if (text == nullptr) return places;
  const size_t n = std::strlen(text);
  if (n == 0) return places;
  // The whole text is n * 0.5 * size * stretch / 13 wide, shared equally.
  const float total = static_cast<float>(n) * 0.5f * size * stretch / 13.0f;
  const float w = total / static_cast<float>(n);
  const float h = size * 0.05f;
  for (size_t i = 0; i < n; ++i) {
    const int glyph = MenuFontGlyph(text[i]);
    if (glyph < 0) continue;
    places.push_back({glyph, x + static_cast<float>(i) * w, y, w, h});
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
