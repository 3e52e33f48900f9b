// The list of every screen picture the generator draws: its file name
// relative to the run directory, exactly as the game spells it, and the code
// that draws it.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "tools/datagen/canvas.h"

struct PictureJob {
  std::string file;  // e.g. "data/png/graj1a.png"
  std::function<Canvas()> draw;
};

std::vector<PictureJob> MenuPictureJobs();   // buttons, options, profiles, level strip, cursors
std::vector<PictureJob> HudPictureJobs();    // loading screen, play-screen frame and labels, pause, digits
std::vector<PictureJob> IconPictureJobs();   // the window's and the menu entry's icon, 256 x 256
std::vector<PictureJob> FontPictureJobs();   // the menu font and the small digit font
// Level cards: quoted from content/levels/levelNN.txt when those exist.
std::vector<PictureJob> LevelCardJobs(const std::string& levelDirectory);
