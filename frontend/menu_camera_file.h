// "data/kamera.cam": the menu camera as ten whitespace-separated decimal
// numbers (eye x y z, target x y z, up x y z, field of view in degrees).
#pragma once
#include <cstddef>

// The file is read into a buffer of this size; a longer file is cut.
constexpr size_t kMenuCameraBufferBytes = 8000;

// Reads the numbers in order into camera[0..9] from text (length bytes, need
// not end in a NUL). The first number that does not parse, or is not finite,
// stops the reading: it and the rest keep the values camera already holds.
// Returns how many were taken.
int ParseMenuCamera(const char* text, size_t length, float camera[10]);

// Fills camera from the file when it exists (through the file layer).
void LoadMenuCameraFile(const char* name, float camera[10]);
