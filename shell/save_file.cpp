// Whole-file reads and replacing writes of the save files.
#include "shell/save_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "files/file_stream.h"
#include "shell/diagnostics.h"
#include "shell/save_folder.h"

namespace {
// Writes the side file and renames it over the save; the reason on failure.
bool ReplaceFile(const std::string& path, const void* bytes, size_t count, std::string* reason) {
  std::string sideName = path + ".new";
  FILE* file = std::fopen(sideName.c_str(), "wb");
  if (file == nullptr) {
    *reason = std::strerror(errno);
    return false;
  }
  errno = 0;
  bool written = std::fwrite(bytes, 1, count, file) == count && std::fflush(file) == 0;
  int writeError = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    writeError = errno;
  }
  if (written && std::rename(sideName.c_str(), path.c_str()) == 0) return true;
  *reason = std::strerror(written ? errno : (writeError != 0 ? writeError : EIO));
  std::remove(sideName.c_str());
  return false;
}
}  // namespace

int ReadSmallFile(const char* name, void* buffer, size_t capacity) {
  FILE* file = OpenPlainFileForReading(GetSavePath(name).c_str());
  if (file == nullptr) return -1;
  size_t got = std::fread(buffer, 1, capacity, file);
  std::fclose(file);
  return static_cast<int>(got);
}

bool WriteSmallFile(const char* name, const void* bytes, size_t count) {
  std::string path = GetSavePath(name);
  std::string reason;
  if (MakeSaveFolder(&reason) && ReplaceFile(path, bytes, count, &reason)) return true;
  PrintDiagnostic("rivet-run: %s was not saved: %s\n", path.c_str(), reason.c_str());
  return false;
}

int32_t ReadInt32Le(const uint8_t* bytes) {
  uint32_t value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
  return static_cast<int32_t>(value);
}

void WriteInt32Le(uint8_t* bytes, int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
}
