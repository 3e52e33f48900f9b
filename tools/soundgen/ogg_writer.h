// Encodes sound as Ogg Vorbis, the same bytes on every run: the generator's
// stereo clips, and any interleaved PCM (the sound tests make their files here).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/soundgen/synth.h"

// The encoded file, or empty when the encoder refuses.
std::vector<uint8_t> EncodeOgg(const StereoClip& clip, float quality, uint32_t serial);
// Interleaved samples in -1..1, frames x channels of them.
std::vector<uint8_t> EncodeOggPcm(const float* samples, int frames, int channels, int rate, float quality,
                                  uint32_t serial);
bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
