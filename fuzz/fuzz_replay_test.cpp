// Every input a fuzzer once broke a reader with, kept under
// fuzz/regressions/TARGET/, fed again to the same entry: a broken promise
// aborts the test, a memory fault shows under the sanitized suite.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_entries.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(FuzzRegressions, EveryKeptInputIsReadSafely) {
  const fs::path kept = fs::path(RR_SOURCE_TREE) / "fuzz" / "regressions";
  PrepareFuzzing();
  size_t replayed = 0;
  for (const FuzzTarget& target : FuzzTargets()) {
    if (!fs::is_directory(kept / target.name)) continue;
    for (const fs::directory_entry& input : fs::directory_iterator(kept / target.name)) {
      std::vector<uint8_t> bytes = ReadBytes(input.path());
      SCOPED_TRACE(input.path().string());
      target.entry(bytes.data(), bytes.size());
      ++replayed;
    }
  }
  RecordProperty("replayed", int(replayed));
}

}  // namespace
