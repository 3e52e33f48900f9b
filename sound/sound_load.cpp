// LoadSound: an effect file decoded whole into memory.
#include "sound/sound.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "files/file_stream.h"
#include "sound/ogg_stream.h"
#include "sound/sound_mixer.h"
#include "sound/sound_sniff.h"

namespace {
// Effects are short; a file that decodes to more than this (about three
// minutes of stereo) is cut off there rather than filling memory.
constexpr int32_t kMaxEffectBytes = 32 * 1024 * 1024;

uint8_t* KeepSamples(const uint8_t* bytes, int32_t size) {
  uint8_t* samples = new (std::nothrow) uint8_t[static_cast<size_t>(size)];
  if (samples != nullptr) std::memcpy(samples, bytes, static_cast<size_t>(size));
  return samples;
}

SoundData LoadWav(FileStream& file, const char* name) {
  SoundData result;
  int32_t byteSize = 0, rate = 0, channels = 0, bits = 0;
  if (ReadWavHeader(file, byteSize, rate, channels, bits) != 0 || !IsPlayableFormat(rate, bits, channels)) {
    std::printf("Sound \"%s\": unusable WAV header\n", name);
    return result;
  }
  // Never trust the data length further than the file reaches.
  int64_t remaining = static_cast<int64_t>(file.Size()) - file.Requested();
  int64_t size = static_cast<uint32_t>(byteSize);
  if (size > remaining) size = remaining;
  if (size > kMaxEffectBytes) {
    std::printf("Sound \"%s\": longer than an effect may be, cut short\n", name);
    size = kMaxEffectBytes;
  }
  int32_t align = channels * bits / 8;
  size -= size % align;
  if (size <= 0) return result;
  uint8_t* samples = new (std::nothrow) uint8_t[static_cast<size_t>(size)]();
  if (samples == nullptr) return result;
  int32_t got = 0;
  while (got < size) {
    int32_t part = file.Read(samples + got, static_cast<int32_t>(size) - got);
    if (part < 1) break;
    got += part;
  }
  result.sampleRate = rate;
  result.bitsPerSample = bits;
  result.channels = channels;
  result.byteSize = static_cast<int32_t>(size);
  result.samples = samples;
  return result;
}

SoundData LoadOgg(FileStream* file, const char* name) {
  SoundData result;
  OggVorbis_File reader;
  if (!OpenOggReader(reader, file)) {
    delete file;
    std::printf("Sound \"%s\": not a readable Ogg Vorbis stream\n", name);
    return result;
  }
  vorbis_info* info = ov_info(&reader, -1);
  if (info == nullptr || info->channels < 1 || info->channels > 2 || !IsPlayableFormat(static_cast<int32_t>(info->rate), 16, info->channels)) {
    ov_clear(&reader);
    std::printf("Sound \"%s\": unsupported Ogg format\n", name);
    return result;
  }
  // An effect plays in a buffer of its own channel count, so it keeps its true rate.
  int32_t rate = static_cast<int32_t>(info->rate);
  int32_t channels = info->channels;
  std::vector<uint8_t> pcm;
  pcm.reserve(100000);
  char piece[8192];
  int section = 0;
  int errors = 0;
  for (;;) {
    long got = ov_read(&reader, piece, sizeof(piece), 0, 2, 1, &section);
    if (got == 0) break;
    if (got < 0) {
      // A hole in the data: skip it, but give up on a stream that is nothing but holes.
      if (++errors > 1000) break;
      continue;
    }
    if (static_cast<int64_t>(pcm.size()) + got > kMaxEffectBytes) {
      std::printf("Sound \"%s\": longer than an effect may be, cut short\n", name);
      break;
    }
    pcm.insert(pcm.end(), piece, piece + got);
  }
  ov_clear(&reader);
  int32_t align = channels * 2;
  pcm.resize(pcm.size() - pcm.size() % static_cast<size_t>(align));
  if (pcm.empty()) return result;
  result.samples = KeepSamples(pcm.data(), static_cast<int32_t>(pcm.size()));
  if (result.samples == nullptr) return SoundData{};
  result.sampleRate = rate;
  result.bitsPerSample = 16;
  result.channels = channels;
  result.byteSize = static_cast<int32_t>(pcm.size());
  return result;
}
}  // namespace

SoundData LoadSound(const char* name) {
  if (name == nullptr || !IsSoundEnabled()) return SoundData{};
  FileStream* file = new FileStream(name, "r");
  if (file->Kind() == FileStream::kClosed) {
    std::printf("Sound \"%s\": file not found\n", name);
    delete file;
    return SoundData{};
  }
  const char* type = SniffSoundType(name);
  if (std::strcmp(type, "wav") == 0) {
    SoundData result = LoadWav(*file, name);
    delete file;
    return result;
  }
  if (std::strcmp(type, "ogg") != 0) {
    std::printf("Sound \"%s\": not a sound file we can load\n", name);
    delete file;
    return SoundData{};
  }
  return LoadOgg(file, name);
}

void FreeSound(SoundData& sound) {
  delete[] sound.samples;
  sound = SoundData{};
}
