// Block decoding: a track cut into blocks of any size comes out byte for byte
// as it does in one piece, for WAV, MP3 and Ogg; decoders report their rates.
#include "sound/stream_decode.h"

#include <gtest/gtest.h>

#include <memory>

#include "files/file_stream.h"
#include "sound/ogg_stream.h"
#include "sound/sound_sniff.h"
#include "sound/test_sounds.h"

namespace {
struct OpenTrack {
  MusicChannel channel;
  std::unique_ptr<StreamCarry> carry = std::make_unique<StreamCarry>();
  Mp3Decoder* mp3 = nullptr;
  ~OpenTrack() {
    if (channel.oggOpen) {
      ov_clear(&channel.oggDecoder);
    } else {
      delete channel.file;
    }
    DeleteMp3Decoder(mp3);
  }
};

void Open(OpenTrack& track, const std::string& name, SoundType type) {
  track.channel.file = new FileStream(name.c_str(), "r");
  track.channel.type = type;
  ClearCarry(*track.carry);
  if (type == kSoundOgg) track.channel.oggOpen = OpenOggReader(track.channel.oggDecoder, track.channel.file);
  if (type == kSoundMp3) track.mp3 = CreateMp3Decoder();
  if (type == kSoundWav) {
    int32_t size, rate, channels, bits;
    ReadWavHeader(*track.channel.file, size, rate, channels, bits);
  }
}

// The whole track, decoded in blocks whose sizes cycle through `sizes`.
std::vector<uint8_t> DecodeAll(const std::string& name, SoundType type, const std::vector<int32_t>& sizes) {
  OpenTrack track;
  Open(track, name, type);
  std::vector<uint8_t> out;
  for (size_t i = 0; i < 100000; ++i) {
    int32_t size = sizes[i % sizes.size()];
    std::vector<uint8_t> block(static_cast<size_t>(size), 0);
    int32_t got = DecodeBlock(track.channel, *track.carry, track.mp3, block.data(), size);
    out.insert(out.end(), block.begin(), block.begin() + got);
    if (got < size) break;
  }
  return out;
}

const std::vector<int32_t> kOddBlocks = {1000, 7777, 3, 90000, 4096, 8192, 1};
const std::vector<int32_t> kOnePiece = {1 << 24};
}  // namespace

// Odd block sizes cut the decoders' own output anywhere: what one call gave
// beyond the block must start the next one, neither lost nor repeated.
TEST(DecodeBlock, BlocksOfAnySizeJoinWithoutLossOrRepeat) {
  std::vector<int16_t> tone = MakeTone(44100, 2, 44100);
  std::vector<uint8_t> wavData = ToBytes(MakeTone(5000, 1, 22050));
  struct Case {
    std::string name;
    SoundType type;
    std::vector<uint8_t> bytes;
  } cases[] = {{"tone.ogg", kSoundOgg, EncodeTestOgg(tone, 2, 44100)},
               {"tone.mp3", kSoundMp3, EncodeTestMp3(tone, 2, 44100)},
               {"tone.wav", kSoundWav, MakeWav(wavData, 1, 22050, 16)}};
  for (const Case& c : cases) {
    if (c.bytes.empty()) continue;  // lame is not installed
    std::string name = WriteTestFile(c.name, c.bytes);
    std::vector<uint8_t> whole = DecodeAll(name, c.type, kOnePiece);
    if (c.type == kSoundWav) {
      EXPECT_EQ(whole, wavData);
    } else {
      // Ogg keeps the exact length; the MP3 encoder may pad a frame either side, but not more.
      double slack = c.type == kSoundMp3 ? 4 * 1152 * 4.0 : 0.0;
      EXPECT_NEAR(static_cast<double>(whole.size()), tone.size() * 2.0, slack) << c.name;
    }
    EXPECT_EQ(DecodeAll(name, c.type, kOddBlocks), whole) << c.name;
  }
}

TEST(DecodeBlock, ReportsRatesTheWayTheMusicBufferPlaysThem) {
  std::string mono = WriteTestFile("mono.ogg", EncodeTestOgg(MakeTone(22050, 1, 22050), 1, 22050));
  OpenTrack track;
  Open(track, mono, kSoundOgg);
  uint8_t block[4096];
  DecodeBlock(track.channel, *track.carry, nullptr, block, sizeof(block));
  EXPECT_EQ(track.channel.sampleRate, 11025);
  EXPECT_EQ(track.channel.channels, 1);
  EXPECT_EQ(track.channel.bitsPerSample, 16);

  // Six channels arrive as stereo frames, one per frame of the track, at its
  // rate: a stereo buffer fed all six would play at a third of the speed.
  std::string surround = WriteTestFile("six.ogg", EncodeTestOgg(MakeTone(22050, 6, 44100), 6, 44100));
  EXPECT_EQ(DecodeAll(surround, kSoundOgg, kOddBlocks).size(), 22050u * 4);
  OpenTrack six;
  Open(six, surround, kSoundOgg);
  DecodeBlock(six.channel, *six.carry, nullptr, block, sizeof(block));
  EXPECT_EQ(six.channel.sampleRate, 44100);
  EXPECT_EQ(six.channel.channels, 2);

  std::vector<uint8_t> mp3 = EncodeTestMp3(MakeTone(44100, 2, 44100), 2, 44100);
  if (mp3.empty()) return;
  OpenTrack stereo;
  Open(stereo, WriteTestFile("stereo.mp3", mp3), kSoundMp3);
  DecodeBlock(stereo.channel, *stereo.carry, stereo.mp3, block, sizeof(block));
  EXPECT_EQ(stereo.channel.sampleRate, 44100);
  EXPECT_EQ(stereo.channel.channels, 2);
}

TEST(DecodeBlock, DamagedInputEndsBlocksEarlyAndLeavesTheRest) {
  std::vector<uint8_t> ogg = EncodeTestOgg(MakeTone(44100, 2, 44100), 2, 44100);
  ogg.resize(ogg.size() / 2);
  for (size_t i = ogg.size() / 2; i < ogg.size(); i += 7) ogg[i] ^= 0x5A;
  std::string name = WriteTestFile("broken.ogg", ogg);
  std::vector<uint8_t> got = DecodeAll(name, kSoundOgg, kOddBlocks);
  EXPECT_LT(got.size(), 44100u * 4);

  // Noise named .mp3: the decoder finds no frames, the block stays as it was.
  std::vector<uint8_t> noise(50000);
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<uint8_t>(i * 7919 >> 3);
  OpenTrack track;
  Open(track, WriteTestFile("noise.mp3", noise), kSoundMp3);
  std::vector<uint8_t> block(90000, 0xAB);
  int32_t stored = DecodeBlock(track.channel, *track.carry, track.mp3, block.data(), 90000);
  EXPECT_LT(stored, 90000);
  EXPECT_EQ(block.back(), 0xAB);
}

TEST(DecodeBlock, LongJunkNamedMp3IsReadABoundedStretchPerBlock) {
  // 4 MB without a single MP3 frame: each block reads at most a megabyte of it.
  std::vector<uint8_t> junk(4 << 20, 0);
  OpenTrack track;
  Open(track, WriteTestFile("junk.mp3", junk), kSoundMp3);
  std::vector<uint8_t> block(90000, 0);
  EXPECT_EQ(DecodeBlock(track.channel, *track.carry, track.mp3, block.data(), 90000), 0);
  EXPECT_LE(track.channel.file->Requested(), (1 << 20) + 16384);
  EXPECT_FALSE(track.channel.file->AtEnd());
}
