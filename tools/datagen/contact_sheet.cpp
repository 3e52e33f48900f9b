// Tiles renders and pictures into one labelled overview.
#include "tools/datagen/contact_sheet.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "tools/datagen/canvas.h"
#include "tools/datagen/text.h"

namespace fs = std::filesystem;

namespace {

constexpr int kTileWidth = 256, kTileHeight = 192, kLabelHeight = 22, kColumns = 8;

std::vector<fs::path> PngsIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error)) return files;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.path().extension() == ".png") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Scales a picture into the tile box, keeping its shape, on a checkerboard so
// transparent parts show.
void DrawTile(Canvas& sheet, const Canvas& picture, int x0, int y0) {
  for (int y = 0; y < kTileHeight; ++y)
    for (int x = 0; x < kTileWidth; ++x) sheet.Set(x0 + x, y0 + y, ((x / 12 + y / 12) % 2) ? Rgb(70, 70, 78) : Rgb(96, 96, 104));
  if (picture.Width() == 0) return;
  float scale = std::min(float(kTileWidth) / float(picture.Width()), float(kTileHeight) / float(picture.Height()));
  int w = std::max(1, int(float(picture.Width()) * scale)), h = std::max(1, int(float(picture.Height()) * scale));
  int ox = x0 + (kTileWidth - w) / 2, oy = y0 + (kTileHeight - h) / 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      sheet.Blend(ox + x, oy + y, picture.At(std::min(picture.Width() - 1, int(float(x) / scale)), std::min(picture.Height() - 1, int(float(y) / scale))));
}

// Draws a picture over the canvas into a rectangle given in screen fractions,
// as the game's overlay pass would.
void DrawAt(Canvas& screen, const Canvas& picture, float x, float y, float w, float h) {
  if (picture.Width() == 0) return;
  int x0 = int(x * float(screen.Width())), y0 = int(y * float(screen.Height()));
  int pw = std::max(1, int(w * float(screen.Width()))), ph = std::max(1, int(h * float(screen.Height())));
  for (int j = 0; j < ph; ++j)
    for (int i = 0; i < pw; ++i)
      screen.Blend(x0 + i, y0 + j, picture.At(std::min(picture.Width() - 1, i * picture.Width() / pw), std::min(picture.Height() - 1, j * picture.Height() / ph)));
}

// The main menu and the play screen as the game composes them: a scene render
// with the screen's pictures at their places. Empty when the render is missing.
Canvas Mockup(const fs::path& render, const fs::path& png, bool menu) {
  Canvas screen = LoadPng(render.string());
  if (screen.Width() == 0) return screen;
  screen.Shade([](glm::vec2, Colour c) { return WithAlpha(c, 1.0f); });
  auto picture = [&](const char* name) { return LoadPng((png / name).string()); };
  if (menu) {
    const char* buttons[5] = {"graj1b.png", "gracze1a.png", "opcje1a.png", "autorzy1a.png", "wyjscie1a.png"};
    for (int i = 0; i < 5; ++i) DrawAt(screen, picture(buttons[i]), 0.3275f, 0.34f + 0.1098f * float(i), 0.3675f, 0.0915f);
    DrawAt(screen, picture("kursor.png"), 0.5f, 0.38f, 0.0375f, 0.0375f);
  } else {
    DrawAt(screen, picture("ramka.png"), 0, 0, 1, 1);
    DrawAt(screen, picture("sredni.png"), 0.072f, 0.904f, 0.225f, 0.07f);
    DrawAt(screen, picture("etap.png"), 0.555f, 0.9f, 0.2f, 0.07f);
    DrawAt(screen, picture("g0.png"), 0.83f, 0.89f, 0.05f, 0.09f);
    DrawAt(screen, picture("g7.png"), 0.873f, 0.89f, 0.05f, 0.09f);
  }
  return screen;
}

}  // namespace

bool WriteContactSheet(const std::string& runDirectory, const std::string& rendersDirectory, const std::string& output,
                       const std::string& fontDirectory) {
  std::vector<fs::path> files = PngsIn(rendersDirectory);
  // Mockups of the two busiest screens lead the sheet.
  fs::path png = fs::path(runDirectory) / "data/png";
  const std::pair<const char*, bool> mockups[] = {{"0_board", false}, {"0_menu", true}};
  for (const auto& [name, menu] : mockups) {
    fs::path render = fs::path(rendersDirectory) / (std::string(name) + ".png");
    Canvas screen = rendersDirectory.empty() ? Canvas() : Mockup(render, png, menu);
    if (screen.Width() > 0) SavePng(screen, (fs::path(rendersDirectory) / (std::string(name) + "_screen.png")).string());
  }
  files = PngsIn(rendersDirectory);
  for (const char* folder : {"data/png", "data/font1"}) {
    std::vector<fs::path> more = PngsIn(fs::path(runDirectory) / folder);
    files.insert(files.end(), more.begin(), more.end());
  }
  if (files.empty()) return false;
  bool fonts = OpenFonts(fontDirectory);
  int rows = int((files.size() + kColumns - 1) / kColumns);
  Canvas sheet(kColumns * kTileWidth, rows * (kTileHeight + kLabelHeight), Rgb(24, 24, 28));
  TextStyle label;
  label.face = FontFace::CondensedBold;
  label.size = 14;
  label.fill = Rgb(220, 220, 220);
  for (size_t i = 0; i < files.size(); ++i) {
    int x0 = int(i % kColumns) * kTileWidth, y0 = int(i / kColumns) * (kTileHeight + kLabelHeight);
    DrawTile(sheet, LoadPng(files[i].string()), x0, y0);
    if (fonts) {
      // Pictures keep their folder (png/, font1/); renders are named by their model.
      std::string folder = files[i].parent_path().filename().string();
      std::string name = folder == "png" || folder == "font1" ? folder + "/" + files[i].filename().string()
                                                              : files[i].stem().string();
      DrawTextLeft(sheet, name, {float(x0 + 4), float(y0 + kTileHeight + kLabelHeight / 2)}, label);
    }
  }
  if (fonts) CloseFonts();
  return SavePng(sheet, output);
}
