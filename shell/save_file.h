// Small whole-file reads and writes for the settings and profile files. A
// write goes to a side file first and then replaces the old one, so a crash
// or a full disk never leaves a half-written save behind.
#pragma once
#include <cstddef>
#include <cstdint>

// Reads up to capacity bytes from the start of the file; the count read, or
// -1 when the file cannot be opened.
int ReadSmallFile(const char* name, void* buffer, size_t capacity);
// Replaces the file with these bytes. False (and the old file kept) on failure.
bool WriteSmallFile(const char* name, const void* bytes, size_t count);

// Little-endian signed 32-bit fields, as the game's files store them.
int32_t ReadInt32Le(const uint8_t* bytes);
void WriteInt32Le(uint8_t* bytes, int32_t value);
