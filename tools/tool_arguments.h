// The developer tools' command lines checked the same way: "--help" or "-h"
// anywhere asks for the usage, and a word starting with '-' is never taken
// for the name of a file or folder to write (a mistyped option must not
// become a folder called "--help").
#pragma once
#include <cstring>

inline bool AsksForHelp(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return true;
  }
  return false;
}

inline bool LooksLikeOption(const char* word) { return word != nullptr && word[0] == '-'; }

// True when every argument from `first` on is a plain name.
inline bool AllPlainNames(int argc, char** argv, int first) {
  for (int i = first; i < argc; ++i) {
    if (LooksLikeOption(argv[i])) return false;
  }
  return true;
}
