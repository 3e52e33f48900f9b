// Encodes a stereo clip as a 44100 Hz Ogg Vorbis file, the same bytes on every run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/synth.h"

// The encoded file, or empty when the encoder refuses.
std::vector<uint8_t> EncodeOgg(const StereoClip& clip, float quality, uint32_t serial);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
