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

}  // namespace

bool WriteContactSheet(const std::string& runDirectory, const std::string& rendersDirectory, const std::string& output,
                       const std::string& fontDirectory) {
  std::vector<fs::path> files = PngsIn(rendersDirectory);
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
      std::string name = files[i].parent_path().filename().string() + "/" + files[i].filename().string();
      DrawTextLeft(sheet, name, {float(x0 + 4), float(y0 + kTileHeight + kLabelHeight / 2)}, label);
    }
  }
  if (fonts) CloseFonts();
  return SavePng(sheet, output);
}
