// Reading a whole asset through FileStream without trusting sizes the file
// (or an archive's directory) claims: bytes are taken as they come, up to a limit.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// False when the file cannot be opened, or holds more than `limit` bytes
// (then `bytes` is left empty: no asset of the game comes near the limits).
bool ReadFileBytes(const char* path, size_t limit, std::vector<uint8_t>* bytes);

constexpr size_t kLargestModelFile = 256u << 20;
constexpr size_t kLargestImageFile = 64u << 20;
