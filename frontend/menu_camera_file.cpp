// Reading the menu camera file.
#include "frontend/menu_camera_file.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "files/file_stream.h"

int ParseMenuCamera(const char* text, size_t length, float camera[10]) {
  char buffer[kMenuCameraBufferBytes];
  // A longer file is cut to what fits with the terminating NUL.
  if (length > sizeof buffer - 1) length = sizeof buffer - 1;
  std::memcpy(buffer, text, length);
  buffer[length] = 0;
  const char* at = buffer;
  int taken = 0;
  while (taken < 10) {
    char* end = nullptr;
    const float value = std::strtof(at, &end);
    if (end == at || !std::isfinite(value)) break;
    camera[taken++] = value;
    at = end;
  }
  return taken;
}

void LoadMenuCameraFile(const char* name, float camera[10]) {
  if (FileExists(name) == 0) return;
  FileStream file;
  if (file.Open(name, "rb") == FileStream::kClosed) return;
  char text[kMenuCameraBufferBytes];
  int32_t size = file.Size();
  if (size > static_cast<int32_t>(sizeof text) - 1) size = static_cast<int32_t>(sizeof text) - 1;
  const int32_t got = size > 0 ? file.Read(text, size) : 0;
  file.Close();
  ParseMenuCamera(text, got > 0 ? static_cast<size_t>(got) : 0, camera);
}
