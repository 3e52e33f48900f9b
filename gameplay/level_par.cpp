// Reading the par table once.
#include "gameplay/level_par.h"

#include <cstdio>
#include <string>

#include "files/file_stream.h"

int32_t ParOfLine(const char* text, int32_t size, int level) {
  int line = 1;
  int32_t at = 0;
  while (at < size && line < level) {
    if (text[at++] == '\n') ++line;
  }
  if (line != level) return 0;
  int32_t value = 0, digits = 0;
  for (; at < size && text[at] >= '0' && text[at] <= '9' && digits < 4; ++at, ++digits) value = value * 10 + (text[at] - '0');
  const bool ends = at >= size || text[at] == '\n' || text[at] == '\r';
  return digits > 0 && ends ? value : 0;
}

int32_t LevelPar(int level) {
  static std::string table;
  static bool read = false;
  if (!read) {
    read = true;
    FileStream file;
    if (file.Open("levels/par.txt", "r") == FileStream::kClosed) {
      std::printf("levels/par.txt: cannot open; no par is shown\n");
    } else {
      const int32_t size = file.Size();
      if (size > 0 && size < 4096) {
        table.resize(static_cast<size_t>(size));
        table.resize(static_cast<size_t>(file.Read(table.data(), size)));
      }
    }
  }
  return ParOfLine(table.data(), static_cast<int32_t>(table.size()), level);
}
