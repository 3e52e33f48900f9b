// Whole-file reads in chunks, bounded.
#include "graphics/file_bytes.h"

#include "files/file_stream.h"

bool ReadFileBytes(const char* path, size_t limit, std::vector<uint8_t>* bytes) {
  bytes->clear();
  FileStream file;
  if (file.Open(path, "r") == FileStream::kClosed || file.Kind() == FileStream::kDiskWrite) return false;
  uint8_t chunk[65536];
  int32_t got;
  while ((got = file.Read(chunk, sizeof chunk)) > 0) {
    if (bytes->size() + size_t(got) > limit) {
      bytes->clear();
      bytes->shrink_to_fit();
      return false;
    }
    bytes->insert(bytes->end(), chunk, chunk + got);
  }
  return true;
}
