// The readers of files from outside, each behind one entry that takes the
// bytes of a file: the fuzzing programs (scripts/fuzz) call them with
// generated inputs, and the normal test suite replays every input kept in
// fuzz/regressions/ through the same entry.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using FuzzEntry = void (*)(const uint8_t* data, size_t size);

struct FuzzTarget {
  const char* name;  // also the folder of its kept inputs and of its corpus
  FuzzEntry entry;
};

const std::vector<FuzzTarget>& FuzzTargets();
// The entry of that name, or null.
FuzzEntry FindFuzzEntry(const char* name);

// Entries write the input where the game would find its file, in a private
// scratch folder; PrepareFuzzing makes it and starts what the readers need
// (sound in manual mode). Called once per process; the current folder stays.
void PrepareFuzzing();
// The scratch folder, ending in '/'.
const std::string& FuzzFolder();

// A broken promise of a reader: reported on standard error, then abort, so
// the fuzzer keeps the input and a replay fails.
#define FUZZ_CHECK(condition)                                                  \
  do {                                                                         \
    if (!(condition)) FuzzCheckFailed(#condition, __FILE__, __LINE__);         \
  } while (0)
[[noreturn]] void FuzzCheckFailed(const char* what, const char* file, int line);

// Writes the bytes as the named file in the scratch folder; its path.
std::string WriteFuzzFile(const char* name, const uint8_t* data, size_t size);
