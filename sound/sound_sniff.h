// Recognising sound files: the kind of a file (Ogg Vorbis, MP3 or RIFF WAV),
// the search for a RIFF chunk tag and the WAV format header.
#pragma once
#include <cstdint>

class FileStream;

// Type codes of music channels.
enum SoundType : uint8_t { kSoundWav = 0, kSoundMp3 = 1, kSoundOgg = 2 };

// "ogg", "mp3", "wav" or "" for a file that is none of them. A name ending in
// ".mp3" (any case) is taken as MP3 whatever it holds.
const char* SniffSoundType(const char* name);

// Looks for the four-byte tag (ignoring case) in the next 10004 bytes of the
// file, anywhere, even inside other data. 0 when found (the file then stands
// just after the tag), 1 when not.
int32_t FindChunk(FileStream& file, const char* tag);

// Reads channel count, rate and bits from the "fmt " chunk and the length of
// the "data" chunk; the file then stands at the first sample byte. 0 on
// success, 1 when either chunk is missing. The values are as the file says:
// callers check them before trusting them.
int32_t ReadWavHeader(FileStream& file, int32_t& byteSize, int32_t& sampleRate, int32_t& channels,
                      int32_t& bitsPerSample);

// Whether we can play PCM of this shape (8 or 16 bits, mono or stereo, a sane rate).
bool IsPlayableFormat(int32_t sampleRate, int32_t bitsPerSample, int32_t channels);
