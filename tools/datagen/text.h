// Lettering from a real font (DejaVu through SDL2_ttf): text rendered into
// canvases, cropped to its ink so it can be centred optically, fitted into
// boxes, outlined and shadowed. No video device is needed.
#pragma once
#include <string>

#include "tools/datagen/canvas.h"

enum class FontFace { Bold, CondensedBold, Regular, MonoBold };

// Opens SDL_ttf with the fonts of `fontDirectory`; false when a face is missing.
bool OpenFonts(const std::string& fontDirectory);
void CloseFonts();

// The text in white (opacity from the glyphs), cropped to its ink. Empty
// canvas for empty text or a missing font.
Canvas RenderInk(const std::string& utf8, FontFace face, int pixelSize);
// The text in white on a surface of the font's full line height, uncropped,
// so every text of one face and size shares its baseline row.
Canvas RenderLine(const std::string& utf8, FontFace face, int pixelSize);
// The largest size (at most `maxSize`) whose ink fits the box.
int FitTextSize(const std::string& utf8, FontFace face, float maxWidth, float maxHeight, int maxSize = 400);

struct TextStyle {
  FontFace face = FontFace::Bold;
  int size = 32;
  Colour fill{1.0f};
  Colour outline{0.0f, 0.0f, 0.0f, 0.0f};  // drawn when its opacity is above 0
  float outlineWidth = 0.0f;                // pixels
  Colour shadow{0.0f, 0.0f, 0.0f, 0.0f};
  glm::vec2 shadowOffset{0.0f};
};

// Draws text with its ink centred on `centre`.
void DrawTextCentred(Canvas& canvas, const std::string& utf8, glm::vec2 centre, const TextStyle& style);
// Draws text on its baseline with the capitals' middle at `centre` (so words
// with accents or descenders line up with words without), its ink centred across.
void DrawTextOnCapLine(Canvas& canvas, const std::string& utf8, glm::vec2 centre, const TextStyle& style);
// The size at which the capitals with accents and descenders of the face fit
// `maxHeight` and the text fits `maxWidth`.
int FitCapSize(const std::string& utf8, FontFace face, float maxWidth, float maxHeight, int maxSize = 400);
// Draws text with its ink's left edge at x and vertical centre at y.
void DrawTextLeft(Canvas& canvas, const std::string& utf8, glm::vec2 leftCentre, const TextStyle& style);
