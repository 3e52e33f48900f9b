// Test sounds made on the spot: Ogg Vorbis through the generator's encoder, MP3 through
// the lame encoder, WAV by hand, from a known 16-bit signal.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A deterministic signal: interleaved 16-bit samples, frames × channels.
std::vector<int16_t> MakeTone(int32_t frames, int32_t channels, int32_t rate, float hz = 440.0f);
std::vector<uint8_t> EncodeTestOgg(const std::vector<int16_t>& samples, int32_t channels, int32_t rate);
// Bytes of a RIFF WAV file with a "fmt " and a "data" chunk.
std::vector<uint8_t> MakeWav(const std::vector<uint8_t>& data, int32_t channels, int32_t rate, int32_t bits);
std::vector<uint8_t> ToBytes(const std::vector<int16_t>& samples);
// Encodes with the lame command; empty when lame is missing.
std::vector<uint8_t> EncodeTestMp3(const std::vector<int16_t>& samples, int32_t channels, int32_t rate);
// Writes bytes into a file of the running test in the current folder and returns its name.
std::string WriteTestFile(const std::string& name, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadWholeFile(const std::string& name);
