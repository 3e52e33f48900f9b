// Whole-file reads and replacing writes.
#include "shell/save_file.h"

#include <cstdio>
#include <string>

#include "files/file_stream.h"

int ReadSmallFile(const char* name, void* buffer, size_t capacity) {
  FILE* file = OpenPlainFileForReading(name);
  if (file == nullptr) return -1;
  size_t got = std::fread(buffer, 1, capacity, file);
  std::fclose(file);
  return static_cast<int>(got);
}

bool WriteSmallFile(const char* name, const void* bytes, size_t count) {
  std::string sideName = std::string(name) + ".new";
  FILE* file = std::fopen(sideName.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes, 1, count, file) == count;
  written = std::fclose(file) == 0 && written;
  if (!written || std::rename(sideName.c_str(), name) != 0) {
    std::remove(sideName.c_str());
    return false;
  }
  return true;
}

int32_t ReadInt32Le(const uint8_t* bytes) {
  uint32_t value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
  return static_cast<int32_t>(value);
}

void WriteInt32Le(uint8_t* bytes, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}
