// Lettering through SDL2_ttf into canvases.
#include "tools/datagen/text.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>

namespace {

std::string fontFolder;
// SDL_ttf and FreeType faces are not safe to share between threads.
std::mutex fontLock;
std::map<std::pair<FontFace, int>, TTF_Font*> openFonts;

const char* FaceFile(FontFace face) {
  switch (face) {
    case FontFace::Bold: return "DejaVuSans-Bold.ttf";
    case FontFace::CondensedBold: return "DejaVuSansCondensed-Bold.ttf";
    case FontFace::Regular: return "DejaVuSans.ttf";
    case FontFace::MonoBold: return "DejaVuSansMono-Bold.ttf";
  }
  return "DejaVuSans.ttf";
}

TTF_Font* Font(FontFace face, int size) {
  auto key = std::make_pair(face, size);
  auto found = openFonts.find(key);
  if (found != openFonts.end()) return found->second;
  TTF_Font* font = TTF_OpenFont((fontFolder + "/" + FaceFile(face)).c_str(), size);
  if (font) TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
  openFonts[key] = font;
  return font;
}

// Grows an ink picture by `radius` pixels (a round outline).
Canvas Dilated(const Canvas& ink, float radius) {
  int pad = int(std::ceil(radius)) + 1;
  Canvas out(ink.Width() + 2 * pad, ink.Height() + 2 * pad);
  for (int y = 0; y < out.Height(); ++y) {
    for (int x = 0; x < out.Width(); ++x) {
      float best = 0.0f;
      for (int dy = -pad; dy <= pad && best < 1.0f; ++dy) {
        for (int dx = -pad; dx <= pad; ++dx) {
          float distance = std::sqrt(float(dx * dx + dy * dy));
          if (distance > radius + 0.5f) continue;
          int sx = x - pad + dx, sy = y - pad + dy;
          if (sx < 0 || sy < 0 || sx >= ink.Width() || sy >= ink.Height()) continue;
          float weight = std::clamp(radius + 0.5f - distance, 0.0f, 1.0f);
          best = std::max(best, ink.At(sx, sy).a * weight);
        }
      }
      out.Set(x, y, Colour(1.0f, 1.0f, 1.0f, best));
    }
  }
  return out;
}

void DrawInk(Canvas& canvas, const Canvas& ink, glm::vec2 topLeft, const TextStyle& style) {
  if (ink.Width() == 0) return;
  if (style.shadow.a > 0.0f)
    canvas.Draw(ink, int(std::lround(topLeft.x + style.shadowOffset.x)), int(std::lround(topLeft.y + style.shadowOffset.y)),
                style.shadow);
  if (style.outline.a > 0.0f && style.outlineWidth > 0.0f) {
    Canvas grown = Dilated(ink, style.outlineWidth);
    int pad = (grown.Width() - ink.Width()) / 2;
    canvas.Draw(grown, int(std::lround(topLeft.x)) - pad, int(std::lround(topLeft.y)) - pad, style.outline);
  }
  canvas.Draw(ink, int(std::lround(topLeft.x)), int(std::lround(topLeft.y)), style.fill);
}

}  // namespace

bool OpenFonts(const std::string& fontDirectory) {
  std::lock_guard<std::mutex> guard(fontLock);
  if (!TTF_WasInit() && TTF_Init() != 0) return false;
  fontFolder = fontDirectory;
  for (FontFace face : {FontFace::Bold, FontFace::CondensedBold, FontFace::Regular, FontFace::MonoBold})
    if (!Font(face, 16)) return false;
  return true;
}

void CloseFonts() {
  std::lock_guard<std::mutex> guard(fontLock);
  for (auto& entry : openFonts)
    if (entry.second) TTF_CloseFont(entry.second);
  openFonts.clear();
  if (TTF_WasInit()) TTF_Quit();
}

Canvas RenderLine(const std::string& utf8, FontFace face, int pixelSize) {
  std::lock_guard<std::mutex> guard(fontLock);
  TTF_Font* font = Font(face, std::max(pixelSize, 1));
  if (!font || utf8.empty()) return Canvas();
  SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!rendered) return Canvas();
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(rendered);
  if (!rgba) return Canvas();
  Canvas line(rgba->w, rgba->h);
  for (int y = 0; y < rgba->h; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(rgba->pixels) + size_t(y) * size_t(rgba->pitch);
    for (int x = 0; x < rgba->w; ++x) line.Set(x, y, Colour(1.0f, 1.0f, 1.0f, row[x * 4 + 3] / 255.0f));
  }
  SDL_FreeSurface(rgba);
  return line;
}

Canvas RenderInk(const std::string& utf8, FontFace face, int pixelSize) {
  Canvas line = RenderLine(utf8, face, pixelSize);
  int x0 = line.Width(), y0 = line.Height(), x1 = -1, y1 = -1;
  for (int y = 0; y < line.Height(); ++y) {
    for (int x = 0; x < line.Width(); ++x) {
      if (line.At(x, y).a <= 0.0f) continue;
      x0 = std::min(x0, x);
      y0 = std::min(y0, y);
      x1 = std::max(x1, x);
      y1 = std::max(y1, y);
    }
  }
  if (x1 < x0) return Canvas();
  Canvas ink(x1 - x0 + 1, y1 - y0 + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) ink.Set(x - x0, y - y0, line.At(x, y));
  return ink;
}

int FitTextSize(const std::string& utf8, FontFace face, float maxWidth, float maxHeight, int maxSize) {
  int low = 4, high = maxSize;
  while (low < high) {
    int middle = (low + high + 1) / 2;
    Canvas ink = RenderInk(utf8, face, middle);
    if (float(ink.Width()) <= maxWidth && float(ink.Height()) <= maxHeight) low = middle;
    else high = middle - 1;
  }
  return low;
}

void DrawTextCentred(Canvas& canvas, const std::string& utf8, glm::vec2 centre, const TextStyle& style) {
  Canvas ink = RenderInk(utf8, style.face, style.size);
  DrawInk(canvas, ink, centre - glm::vec2(ink.Width(), ink.Height()) * 0.5f, style);
}

void DrawTextLeft(Canvas& canvas, const std::string& utf8, glm::vec2 leftCentre, const TextStyle& style) {
  Canvas ink = RenderInk(utf8, style.face, style.size);
  DrawInk(canvas, ink, leftCentre - glm::vec2(0.0f, float(ink.Height()) * 0.5f), style);
}

namespace {

// First and last rows and columns holding ink; empty range when there is none.
struct InkRange {
  int left, top, right, bottom;
};

InkRange RangeOf(const Canvas& c) {
  InkRange r{c.Width(), c.Height(), -1, -1};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.At(x, y).a > 0.0f) r.left = std::min(r.left, x), r.right = std::max(r.right, x), r.top = std::min(r.top, y), r.bottom = std::max(r.bottom, y);
  return r;
}

}  // namespace

int FitCapSize(const std::string& utf8, FontFace face, float maxWidth, float maxHeight, int maxSize) {
  return std::min(FitTextSize(utf8, face, maxWidth, 1e6f, maxSize), FitTextSize("ŚĄJ", face, 1e6f, maxHeight, maxSize));
}

void DrawTextOnCapLine(Canvas& canvas, const std::string& utf8, glm::vec2 centre, const TextStyle& style) {
  Canvas line = RenderLine(utf8, style.face, style.size);
  Canvas capital = RenderLine("H", style.face, style.size);
  InkRange ink = RangeOf(line), cap = RangeOf(capital);
  if (ink.right < ink.left || cap.bottom < cap.top) return;
  Canvas cropped(ink.right - ink.left + 1, line.Height());
  for (int y = 0; y < line.Height(); ++y)
    for (int x = ink.left; x <= ink.right; ++x) cropped.Set(x - ink.left, y, line.At(x, y));
  glm::vec2 topLeft(centre.x - float(cropped.Width()) * 0.5f, centre.y - float(cap.top + cap.bottom + 1) * 0.5f);
  DrawInk(canvas, cropped, topLeft, style);
}
