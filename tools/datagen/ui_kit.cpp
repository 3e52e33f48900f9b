// Plates, buttons, panels and labels for the flat pictures.
#include "tools/datagen/ui_kit.h"

#include <algorithm>
#include <cmath>
#include <sstream>

Canvas ScreenCanvas(float width, float height) {
  return Canvas(std::max(1, int(std::lround(width * kScreenWidth))), std::max(1, int(std::lround(height * kScreenHeight))));
}

void DrawPlate(Canvas& c, bool highlighted, float margin) {
  float w = float(c.Width()), h = float(c.Height());
  float radius = std::min(h * 0.28f, 16.0f);
  glm::vec2 low(margin, margin), high(w - margin, h - margin);
  Colour top = highlighted ? Rgb(255, 190, 70) : ui::kPlateTop;
  Colour bottom = highlighted ? Rgb(206, 110, 18) : ui::kPlateBottom;
  Colour edge = highlighted ? ui::kAccentLight : ui::kEdge;
  if (highlighted) c.Fill(RoundRectShape(low - margin * 0.8f, high + margin * 0.8f, radius + margin), WithAlpha(ui::kAccent, 0.45f));
  c.FillVertical(RoundRectShape(low, high, radius), low.y, high.y, top, bottom);
  // A light line under the top edge and a dark one over the bottom give the plate its bevel.
  float bevel = std::max(1.5f, h * 0.04f);
  c.Fill(LineShape({low.x + radius, low.y + bevel * 1.5f}, {high.x - radius, low.y + bevel * 1.5f}, bevel * 0.5f),
         WithAlpha(Colour(1.0f), highlighted ? 0.45f : 0.25f));
  c.Fill(LineShape({low.x + radius, high.y - bevel * 1.5f}, {high.x - radius, high.y - bevel * 1.5f}, bevel * 0.5f),
         WithAlpha(Colour(0.0f, 0.0f, 0.0f, 1.0f), 0.3f));
  c.Fill(Outlined(RoundRectShape(low, high, radius), std::max(1.0f, h * 0.025f)), edge);
  float rivet = std::max(2.0f, h * 0.07f);
  for (float x : {low.x + radius * 0.9f + rivet, high.x - radius * 0.9f - rivet}) {
    glm::vec2 at(x, h * 0.5f);
    c.Fill(CircleShape(at, rivet), highlighted ? Rgb(150, 80, 10) : Rgb(24, 28, 34));
    c.Fill(CircleShape(at - rivet * 0.25f, rivet * 0.6f), highlighted ? Rgb(255, 230, 160) : Rgb(150, 160, 176));
  }
}

void DrawFittedText(Canvas& c, const std::string& text, glm::vec2 low, glm::vec2 high, Colour colour, FontFace face,
                    bool centred, float outline) {
  glm::vec2 size = high - low;
  TextStyle style;
  style.face = face;
  style.size = FitCapSize(text, face, size.x - 2.0f * outline, size.y - 2.0f * outline, 300);
  style.fill = colour;
  if (outline > 0.0f) {
    style.outline = Colour(0.0f, 0.0f, 0.0f, 0.85f);
    style.outlineWidth = outline;
  } else {
    style.shadow = Colour(0.0f, 0.0f, 0.0f, 0.55f);
    style.shadowOffset = glm::vec2(std::max(1.0f, size.y * 0.04f));
  }
  glm::vec2 centre = (low + high) * 0.5f;
  if (centred) {
    DrawTextOnCapLine(c, text, centre, style);
  } else {
    float width = float(RenderInk(text, face, style.size).Width());
    DrawTextOnCapLine(c, text, {low.x + outline + width * 0.5f, centre.y}, style);
  }
}

Canvas ButtonPicture(float width, float height, const std::string& text, bool highlighted) {
  Canvas c = ScreenCanvas(width, height);
  DrawPlate(c, highlighted, std::max(2.0f, float(c.Height()) * 0.06f));
  float w = float(c.Width()), h = float(c.Height());
  DrawFittedText(c, text, {w * 0.16f, h * 0.13f}, {w * 0.84f, h * 0.87f}, highlighted ? ui::kTextDark : ui::kText);
  return c;
}

void DrawPanel(Canvas& c, glm::vec2 low, glm::vec2 high, float opacity) {
  float radius = std::min((high - low).y * 0.1f, 18.0f);
  c.FillVertical(RoundRectShape(low, high, radius), low.y, high.y, WithAlpha(Rgb(30, 36, 46), opacity),
                 WithAlpha(Rgb(14, 16, 22), opacity));
  c.Fill(Outlined(RoundRectShape(low, high, radius), 1.5f), WithAlpha(ui::kEdge, 0.9f));
  c.Fill(Outlined(RoundRectShape(low + 5.0f, high - 5.0f, std::max(radius - 5.0f, 2.0f)), 0.75f), WithAlpha(ui::kEdge, 0.35f));
}

std::vector<std::string> WrapText(const std::string& text, FontFace face, int size, float maxWidth) {
  std::vector<std::string> lines;
  std::istringstream words(text);
  std::string word, line;
  while (words >> word) {
    std::string candidate = line.empty() ? word : line + " " + word;
    if (!line.empty() && float(RenderInk(candidate, face, size).Width()) > maxWidth) {
      lines.push_back(line);
      line = word;
    } else {
      line = candidate;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}
