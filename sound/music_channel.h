// One streamed music track and the decoding state a music slot keeps between
// the blocks it decodes.
#pragma once
#include <vorbis/vorbisfile.h>

#include <cstdint>

#include "sound/sound_sniff.h"

class FileStream;
struct AudioBuffer;
struct mpg123_handle_struct;
using Mp3Decoder = mpg123_handle_struct;

struct MusicChannel {
  FileStream* file = nullptr;   // owned; for an Ogg track the reader owns it
  OggVorbis_File oggDecoder{};
  bool oggOpen = false;
  AudioBuffer* buffer = nullptr;  // the 90000-byte looping stream buffer
  uint8_t type = kSoundWav;
  uint8_t loop = 0;
  float fade = 0.0f;            // 0 steady; 1 stop at the next tick; >1 fading over fade - 1 seconds
  uint32_t fadeStart = 0;       // tick count when the fade began
  int32_t sampleRate = 0;       // as the decoder reports it (halved for mono Ogg and MP3)
  int32_t channels = 0;
  int32_t bitsPerSample = 0;
};

// Decoded bytes that did not fit into the last block start the next one.
struct StreamCarry {
  uint8_t input[16384];
  uint8_t pcm[8192];
  int32_t needFresh = 1;   // 1: the next block starts with a new read; 0: pcm holds leftovers
  int32_t inputCount = 0;
  int32_t status = 0;      // last decoder result
  int32_t pcmCount = 0;
};

void ClearCarry(StreamCarry& carry);
