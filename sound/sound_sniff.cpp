// Sniffing sound files and reading WAV headers through FileStream.
#include "sound/sound_sniff.h"

#include <strings.h>

#include <cstring>

#include "files/file_stream.h"
#include "sound/ogg_stream.h"

namespace {
bool HasMp3Extension(const char* name) {
  const char* dot = std::strrchr(name, '.');
  return dot != nullptr && strcasecmp(dot + 1, "mp3") == 0;
}

int32_t ReadLittle(const uint8_t* at, int bytes) {
  uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | at[i];
  return static_cast<int32_t>(value);
}
}  // namespace

const char* SniffSoundType(const char* name) {
  if (name == nullptr) return "";
  const char* type = "";
  FileStream* probe = new FileStream(name, "r");
  OggVorbis_File reader;
  if (probe->Kind() != FileStream::kClosed && OpenOggReader(reader, probe)) {
    type = "ogg";
    ov_clear(&reader);  // closes and deletes the stream
  } else {
    delete probe;
  }
  FileStream file(name, "r");
  uint8_t head[4] = {};
  int32_t got = file.Read(head, 4);
  if (HasMp3Extension(name)) type = "mp3";
  if (type[0] == 0 && got == 4 && std::memcmp(head, "RIFF", 4) == 0 && FindChunk(file, "fmt ") == 0) type = "wav";
  return type;
}

int32_t FindChunk(FileStream& file, const char* tag) {
  char window[5] = {};
  if (file.Read(window, 4) != 4) return 1;
  int shifts = 0;
  while (strncasecmp(window, tag, 4) != 0) {
    if (file.AtEnd() || shifts >= 10000) return 1;
    uint8_t next = 0;
    if (file.Read(&next, 1) != 1) return 1;
    std::memmove(window, window + 1, 3);
    window[3] = static_cast<char>(next);
    ++shifts;
  }
  return 0;
}

int32_t ReadWavHeader(FileStream& file, int32_t& byteSize, int32_t& sampleRate, int32_t& channels,
                      int32_t& bitsPerSample) {
  if (FindChunk(file, "fmt ") != 0) return 1;
  uint8_t length[4];
  uint8_t format[18] = {};
  if (file.Read(length, 4) != 4 || file.Read(format, 16) != 16) return 1;
  file.Read(format + 16, 2);  // the extra size is optional and unused
  channels = ReadLittle(format + 2, 2);
  sampleRate = ReadLittle(format + 4, 4);
  bitsPerSample = ReadLittle(format + 14, 2);
  file.Reopen();
  if (FindChunk(file, "data") != 0) return 1;
  uint8_t size[4];
  if (file.Read(size, 4) != 4) return 1;
  byteSize = ReadLittle(size, 4);
  return 0;
}

bool IsPlayableFormat(int32_t sampleRate, int32_t bitsPerSample, int32_t channels) {
  return sampleRate >= 100 && sampleRate <= 200000 && (bitsPerSample == 8 || bitsPerSample == 16) &&
         (channels == 1 || channels == 2);
}
