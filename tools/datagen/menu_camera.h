// The menu camera record "data/kamera.cam": ten numbers (eye, target, up,
// field of view) that frame the menu scene behind the buttons.
#pragma once
#include <string>

// The file's text, one line, numbers separated by blanks.
std::string MenuCameraText();
