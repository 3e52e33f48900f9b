// The menu font (37 glyph pictures, "data/font1/A0.png" ... "Z0.png",
// "00.png" ... "90.png", "_0.png") and the small digit font of the level
// strip ("data/png/c0.png" ... "c9.png"). Glyphs are white with a dark
// outline, so the game can tint them and they stay readable on any scene.
#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/ui_kit.h"

namespace {

constexpr int kGlyphSize = 64;

Canvas Glyph(char c) {
  Canvas canvas(kGlyphSize, kGlyphSize);
  float s = float(kGlyphSize);
  std::string text(1, c);
  TextStyle style;
  style.face = FontFace::Bold;
  style.fill = Colour(1.0f);
  style.outline = Colour(0.0f, 0.0f, 0.0f, 0.9f);
  style.outlineWidth = 3.0f;
  // Every glyph uses the size that fits an "M" so letters keep one cap height.
  style.size = FitTextSize("M", FontFace::Bold, s * 0.8f, s * 0.74f);
  Canvas ink = RenderInk(c == '_' ? "M" : text, style.face, style.size);
  float capTop = (s - float(ink.Height())) * 0.5f;
  if (c == '_') {
    canvas.Fill(RoundRectShape({s * 0.12f, s * 0.8f}, {s * 0.88f, s * 0.9f}, 2), Colour(0.0f, 0.0f, 0.0f, 0.9f));
    canvas.Fill(RoundRectShape({s * 0.15f, s * 0.82f}, {s * 0.85f, s * 0.88f}, 1.5f), Colour(1.0f));
    return canvas;
  }
  Canvas glyph = RenderInk(text, style.face, style.size);
  // Letters sit on a common baseline; their ink is centred across.
  float top = capTop + float(ink.Height() - glyph.Height());
  DrawTextLeft(canvas, text, {(s - float(glyph.Width())) * 0.5f, top + float(glyph.Height()) * 0.5f}, style);
  return canvas;
}

Canvas SmallDigit(int d) {
  Canvas c = ScreenCanvas(0.015f, 0.031f);
  float w = float(c.Width()), h = float(c.Height());
  DrawFittedText(c, std::to_string(d), {1, 2}, {w - 1, h - 2}, Colour(1.0f), FontFace::MonoBold, true, 1.2f);
  return c;
}

}  // namespace

std::vector<PictureJob> FontPictureJobs() {
  std::vector<PictureJob> jobs;
  std::string characters;
  for (char c = 'A'; c <= 'Z'; ++c) characters += c;
  for (char c = '0'; c <= '9'; ++c) characters += c;
  characters += '_';
  for (char c : characters) {
    // The template "data/font1/Q0.png" with its twelfth character replaced.
    std::string name = "data/font1/Q0.png";
    name[11] = c;
    jobs.push_back({name, [c] { return Glyph(c); }});
  }
  for (int d = 0; d < 10; ++d) {
    std::string name = "data/png/c0.png";
    name[10] = char('0' + d);
    jobs.push_back({name, [d] { return SmallDigit(d); }});
  }
  return jobs;
}
