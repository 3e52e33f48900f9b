// Drawing text with the menu font, and the fade overlay.
#include "frontend/font_text.h"

#include "frontend/font_layout.h"
#include "graphics/render_queue.h"

namespace {
Image* MenuFont() {
  static Image* glyphs = new Image[kMenuFontGlyphs];
  return glyphs;
}

Image& FadeOverlay() {
  static Image* overlay = new Image;
  return *overlay;
}
}  // namespace

void LoadMenuFont() {
  char name[32];
  for (int glyph = 0; glyph < kMenuFontGlyphs; ++glyph) {
    MenuFontFileName(glyph, name);
    MenuFont()[glyph].Load(name);
  }
  // One texture for every glyph: a line of text is one draw.
  PackImageSheet(MenuFont(), kMenuFontGlyphs);
}

void DrawFontText(const char* text, float x, float y, float size, float stretch, float r, float g, float b,
                  float a) {
  if (text == nullptr) return;
  // Cell by cell, so the menus' text costs no allocation per frame.
  for (int i = 0; text[i] != 0; ++i) {
    const GlyphPlace p = PlaceFontGlyph(text[i], i, x, y, size, stretch);
    if (p.glyph < 0) continue;
    QueueImage(&MenuFont()[p.glyph], p.x, p.y, p.width, p.height, 0.0f, 1.0f, r, g, b, a, 0, 0, 0, 1, 5, 6);
  }
}

const Image& GetFadeOverlay() { return FadeOverlay(); }

void LoadFadeOverlay() { FadeOverlay().Load("data/png/blank.png"); }

void QueueFadeOverlay(float brightness) {
  QueueImage(&FadeOverlay(), 0, 0, 1, 1, 0.0f, 1.0f - brightness, 1, 1, 1, 1, 0, 0, 0, 1, 5, 6);
}
