// The menu font (37 glyph pictures, "data/font1/A0.png" ... "Z0.png",
// "00.png" ... "90.png", "_0.png") and the small digit font of the level
// strip ("data/png/c0.png" ... "c9.png"). Glyphs are white with a dark
// outline, so the game can tint them and they stay readable on any scene.
#include <algorithm>
#include <cmath>

#include "tools/datagen/picture_jobs.h"
#include "tools/datagen/ui_kit.h"

namespace {

constexpr int kGlyphSize = 64;

// Every glyph sits on one baseline: the line is placed so that the capital
// "M" stands a little above the cell's middle, and each glyph's ink is centred across.
Canvas Glyph(char c) {
  Canvas canvas(kGlyphSize, kGlyphSize);
  float s = float(kGlyphSize);
  if (c == '_') {
    canvas.Fill(RoundRectShape({s * 0.12f, s * 0.8f}, {s * 0.88f, s * 0.9f}, 2), Colour(0.0f, 0.0f, 0.0f, 0.9f));
    canvas.Fill(RoundRectShape({s * 0.15f, s * 0.82f}, {s * 0.85f, s * 0.88f}, 1.5f), Colour(1.0f));
    return canvas;
  }
  // The widest capital fits across; descenders (J, Q) keep room below.
  int size = FitTextSize("W", FontFace::Bold, s * 0.88f, s * 0.64f);
  Canvas reference = RenderLine("M", FontFace::Bold, size);
  int capTop = reference.Height(), capBottom = -1;
  for (int y = 0; y < reference.Height(); ++y)
    for (int x = 0; x < reference.Width(); ++x)
      if (reference.At(x, y).a > 0.0f) capTop = std::min(capTop, y), capBottom = std::max(capBottom, y);
  Canvas line = RenderLine(std::string(1, c), FontFace::Bold, size);
  int inkLeft = line.Width(), inkRight = -1;
  for (int y = 0; y < line.Height(); ++y)
    for (int x = 0; x < line.Width(); ++x)
      if (line.At(x, y).a > 0.0f) inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
  if (inkRight < inkLeft || capBottom < capTop) return canvas;
  int left = int(std::lround((s - float(inkRight - inkLeft + 1)) * 0.5f)) - inkLeft;
  int top = int(std::lround((s - float(capBottom - capTop + 1)) * 0.4f)) - capTop;
  // A dark outline first (the line grown by a few pixels), then the white glyph.
  for (int dy = -3; dy <= 3; ++dy)
    for (int dx = -3; dx <= 3; ++dx)
      if (dx * dx + dy * dy <= 10) canvas.Draw(line, left + dx, top + dy, Colour(0.0f, 0.0f, 0.0f, 0.35f));
  canvas.Draw(line, left, top, Colour(1.0f));
  return canvas;
}

Canvas SmallDigit(int d) {
  Canvas c = ScreenCanvas(0.015f, 0.031f);
  float w = float(c.Width()), h = float(c.Height());
  TextStyle style;
  style.face = FontFace::MonoBold;
  style.size = FitTextSize("0", style.face, w - 4.4f, h - 6.4f);
  style.fill = Colour(1.0f);
  style.outline = Colour(0.0f, 0.0f, 0.0f, 0.85f);
  style.outlineWidth = 1.2f;
  DrawTextOnCapLine(c, std::to_string(d), {w * 0.5f, h * 0.5f}, style);
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
