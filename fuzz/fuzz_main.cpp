// One libFuzzer program per target: RR_FUZZ_TARGET names the entry.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_entries.h"

namespace {
FuzzEntry entry = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  entry = FindFuzzEntry(RR_FUZZ_TARGET);
  if (entry == nullptr) {
    std::fprintf(stderr, "no fuzz target %s\n", RR_FUZZ_TARGET);
    std::abort();
  }
  // The readers' diagnostic lines would drown the fuzzer's own.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) std::abort();
  PrepareFuzzing();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  entry(data, size);
  return 0;
}
