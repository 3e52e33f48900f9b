// Small whole-file reads and writes for the save files (settings, profiles
// and any record file added later). A save's name is looked up in the save
// folder (shell/save_folder.h), so every reader and writer of it meets in one
// place. A write goes to a side file first and then replaces the old one, so a
// crash or a full disk never leaves a half-written save behind.
#pragma once
#include <cstddef>
#include <cstdint>

// Reads up to capacity bytes from the start of the save file; the count
// read, or -1 when the file cannot be opened.
int ReadSmallFile(const char* name, void* buffer, size_t capacity);
// Replaces the save file with these bytes. False (the old file kept, and one
// diagnostic line naming the file and the reason) on failure.
bool WriteSmallFile(const char* name, const void* bytes, size_t count);

// Little-endian signed 32-bit fields, as the game's files store them.
int32_t ReadInt32Le(const uint8_t* bytes);
void WriteInt32Le(uint8_t* bytes, int32_t value);
