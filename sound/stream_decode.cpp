// Block decoding for WAV, MP3 (libmpg123's feed decoder) and Ogg Vorbis.
#include "sound/stream_decode.h"

#include <mpg123.h>

#include <cstring>

#include "files/file_stream.h"
#include "sound/ogg_stream.h"

namespace {
constexpr int32_t kStatusMore = 1;  // the decoder needs more input (or failed)
constexpr int32_t kStatusOk = 0;    // pcm holds output and the decoder may have more
// A decoder that keeps saying "fine" without giving bytes is treated as stuck.
constexpr int kMaxIdleCalls = 64;
// Reads of MP3 input per block (1 MB; a real stream needs a few dozen
// kilobytes for a block): a long stretch of junk plays as silence a block at
// a time instead of stalling the mixer while the whole file is read.
constexpr int kMaxReadsPerBlock = 64;

void ResetMp3Library() {
  static bool ready = false;
  if (!ready) mpg123_init();
  ready = true;
}

// One call of the MP3 decoder: new input (or none) in, at most 8192 bytes out.
int32_t DecodeMp3(Mp3Decoder* mp3, StreamCarry& carry, MusicChannel& channel, const uint8_t* input, int32_t size) {
  size_t done = 0;
  int result = mpg123_decode(mp3, input, static_cast<size_t>(size), carry.pcm, sizeof(carry.pcm), &done);
  carry.pcmCount = static_cast<int32_t>(done);
  long rate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_getformat(mp3, &rate, &channels, &encoding) == MPG123_OK && (channels == 1 || channels == 2)) {
    channel.channels = channels;
    channel.bitsPerSample = 16;
    channel.sampleRate = static_cast<int32_t>(rate >> (2 - channels));
  }
  if (done > 0 || result == MPG123_NEW_FORMAT || result == MPG123_OK) return kStatusOk;
  return kStatusMore;
}

// Bytes the reader gave (0 for none); atEnd tells the end of the stream from a damaged stretch.
int32_t ReadOgg(MusicChannel& channel, StreamCarry& carry, bool* atEnd = nullptr) {
  if (atEnd != nullptr) *atEnd = true;
  if (!channel.oggOpen) return 0;
  int section = 0;
  long got = ov_read(&channel.oggDecoder, reinterpret_cast<char*>(carry.pcm), sizeof(carry.pcm), 0, 2, 1, &section);
  vorbis_info* info = ov_info(&channel.oggDecoder, -1);
  if (got > 0 && info != nullptr) got = KeepFrontPair(carry.pcm, static_cast<int32_t>(got), info->channels);
  int32_t channels = 0;
  int32_t rate = ReportedOggRate(channel.oggDecoder, &channels);
  if (rate > 0) {
    channel.sampleRate = rate;
    channel.channels = channels;
    channel.bitsPerSample = 16;
  }
  if (atEnd != nullptr) *atEnd = got == 0;
  return got > 0 ? static_cast<int32_t>(got) : 0;
}

// Hands out pcm; true when the block is full, leaving the rest for the next block.
bool TakePcm(StreamCarry& carry, uint8_t* destination, int32_t count, int32_t& got) {
  if (got + carry.pcmCount >= count) {
    int32_t part = count - got;
    std::memcpy(destination + got, carry.pcm, static_cast<size_t>(part));
    carry.pcmCount -= part;
    std::memmove(carry.pcm, carry.pcm + part, static_cast<size_t>(carry.pcmCount));
    carry.needFresh = 0;
    got = count;
    return true;
  }
  std::memcpy(destination + got, carry.pcm, static_cast<size_t>(carry.pcmCount));
  got += carry.pcmCount;
  carry.pcmCount = 0;
  return false;
}

int32_t DecodeMp3Block(MusicChannel& channel, StreamCarry& carry, Mp3Decoder* mp3, uint8_t* destination, int32_t count) {
  int32_t got = 0;
  bool restarted = false;
  int reads = 0;
  if (mp3 == nullptr) return 0;
  for (;;) {
    if (carry.needFresh == 1) {
      if (channel.file == nullptr || ++reads > kMaxReadsPerBlock) return got;
      carry.inputCount = channel.file->Read(carry.input, sizeof(carry.input));
      if (carry.inputCount < 1 && !restarted && channel.loop == 1) {
        restarted = true;
        if (RestartTrack(channel)) continue;
      }
      if (carry.inputCount < 1) return got;
      carry.status = DecodeMp3(mp3, carry, channel, carry.input, carry.inputCount);
    }
    carry.needFresh = 1;
    int idle = 0;
    while (carry.status == kStatusOk) {
      if (TakePcm(carry, destination, count, got)) return got;
      carry.status = DecodeMp3(mp3, carry, channel, nullptr, 0);
      idle = carry.pcmCount == 0 ? idle + 1 : 0;
      if (idle > kMaxIdleCalls) carry.status = kStatusMore;
    }
  }
}

bool RestartOgg(MusicChannel& channel) {
  char name[800];
  std::strncpy(name, channel.file->Name(), sizeof(name) - 1);
  name[sizeof(name) - 1] = 0;
  ov_clear(&channel.oggDecoder);  // deletes the old stream
  channel.oggOpen = false;
  channel.file = new FileStream(name, "r");
  if (channel.file->Kind() != FileStream::kClosed && OpenOggReader(channel.oggDecoder, channel.file)) {
    channel.oggOpen = true;
    return true;
  }
  return false;  // the channel keeps its closed stream and plays silence
}

int32_t DecodeOggBlock(MusicChannel& channel, StreamCarry& carry, uint8_t* destination, int32_t count) {
  int32_t got = 0;
  bool restarted = false;
  for (;;) {
    if (carry.needFresh == 1) {
      bool atEnd = false;
      carry.pcmCount = ReadOgg(channel, carry, &atEnd);
      if (carry.pcmCount < 1 && atEnd && !restarted && channel.loop == 1) {
        // Only one restart per block, so a track without samples cannot spin.
        restarted = true;
        if (RestartTrack(channel)) continue;
      }
      if (carry.pcmCount < 1) return got;
    }
    carry.needFresh = 1;
    while (carry.pcmCount > 0) {
      if (TakePcm(carry, destination, count, got)) return got;
      carry.pcmCount = ReadOgg(channel, carry);
    }
  }
}
}  // namespace

bool RestartTrack(MusicChannel& channel) {
  if (channel.file == nullptr) return false;
  if (channel.type == kSoundOgg) return channel.oggOpen && RestartOgg(channel);
  if (channel.file->Reopen() == FileStream::kClosed) return false;
  if (channel.type == kSoundWav) {
    int32_t byteSize, rate, channels, bits;
    return ReadWavHeader(*channel.file, byteSize, rate, channels, bits) == 0;
  }
  return true;
}

void ClearCarry(StreamCarry& carry) {
  carry.needFresh = 1;
  carry.inputCount = 0;
  carry.status = 0;
  carry.pcmCount = 0;
}

Mp3Decoder* CreateMp3Decoder() {
  ResetMp3Library();
  mpg123_handle* mp3 = mpg123_new(nullptr, nullptr);
  if (mp3 == nullptr) return nullptr;
  mpg123_param(mp3, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
  // Always 16-bit signed samples, at whatever rate and channel count the stream has.
  mpg123_format_none(mp3);
  const long* rates = nullptr;
  size_t rateCount = 0;
  mpg123_rates(&rates, &rateCount);
  for (size_t i = 0; i < rateCount; ++i) mpg123_format(mp3, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
  if (mpg123_open_feed(mp3) != MPG123_OK) {
    mpg123_delete(mp3);
    return nullptr;
  }
  return mp3;
}

void ResetMp3Decoder(Mp3Decoder* decoder) {
  if (decoder == nullptr) return;
  mpg123_close(decoder);
  mpg123_open_feed(decoder);
}

void DeleteMp3Decoder(Mp3Decoder* decoder) {
  if (decoder != nullptr) mpg123_delete(decoder);
}

int32_t DecodeBlock(MusicChannel& channel, StreamCarry& carry, Mp3Decoder* mp3, uint8_t* destination, int32_t count) {
  if (destination == nullptr || count <= 0) return 0;
  if (channel.type == kSoundMp3) return DecodeMp3Block(channel, carry, mp3, destination, count);
  if (channel.type == kSoundOgg) return DecodeOggBlock(channel, carry, destination, count);
  // WAV: the file's bytes as they come, header and trailing chunks included.
  int32_t got = 0;
  bool restarted = false;
  while (got < count && channel.file != nullptr) {
    int32_t part = channel.file->Read(destination + got, count - got);
    if (part < 1 && !restarted && channel.loop == 1) {
      restarted = true;
      if (RestartTrack(channel)) continue;
    }
    if (part < 1) break;
    got += part;
  }
  return got;
}
