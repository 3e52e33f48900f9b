// LoadSound: what an effect file decodes to, and what damaged or hostile
// files give instead (an empty sound, never a crash or a huge allocation).
#include <gtest/gtest.h>

#include <cstring>

#include "sound/sound.h"
#include "sound/test_sounds.h"

namespace {
void PutLittle32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

bool IsEmpty(const SoundData& sound) {
  return sound.samples == nullptr && sound.byteSize == 0 && sound.sampleRate == 0 && sound.channels == 0;
}
}  // namespace

// A mono effect plays in a mono buffer, so halving its rate would play it an octave low.
TEST(LoadSound, OggKeepsItsChannelsAndTrueRate) {
  for (int32_t channels : {1, 2}) {
    const int32_t rate = 44100 / (3 - channels), frames = 11025;
    SoundData sound = LoadSound(WriteTestFile("tone.ogg", EncodeTestOgg(MakeTone(frames, channels, rate), channels, rate)).c_str());
    EXPECT_EQ(sound.sampleRate, rate);
    EXPECT_EQ(sound.channels, channels);
    EXPECT_EQ(sound.bitsPerSample, 16);
    EXPECT_EQ(sound.byteSize, 2 * channels * frames);
    EXPECT_NE(sound.samples, nullptr);
    FreeSound(sound);
    EXPECT_TRUE(IsEmpty(sound));
  }
}

TEST(LoadSound, WavGivesItsSamplesAsTheyStand) {
  std::vector<uint8_t> data = {0x80, 0x90, 0xA0, 0x70, 0x60};
  SoundData sound = LoadSound(WriteTestFile("bytes.wav", MakeWav(data, 1, 8000, 8)).c_str());
  EXPECT_EQ(sound.sampleRate, 8000);
  EXPECT_EQ(sound.bitsPerSample, 8);
  EXPECT_EQ(sound.channels, 1);
  ASSERT_EQ(sound.byteSize, 5);
  EXPECT_EQ(std::memcmp(sound.samples, data.data(), 5), 0);
  FreeSound(sound);
}

TEST(LoadSound, HostileWavHeadersGiveEmptyOrShortSounds) {
  std::vector<uint8_t> data = ToBytes(MakeTone(1000, 2, 44100));
  std::vector<uint8_t> wav = MakeWav(data, 2, 44100, 16);
  const size_t dataLength = wav.size() - data.size() - 4;

  // A data length of 4 GB allocates only what the file holds.
  std::vector<uint8_t> huge = wav;
  PutLittle32(huge, dataLength, 0xFFFFFFF0u);
  SoundData sound = LoadSound(WriteTestFile("huge.wav", huge).c_str());
  EXPECT_EQ(sound.byteSize, static_cast<int32_t>(data.size()));
  FreeSound(sound);

  // Truncated in the middle of a frame: whole frames only.
  std::vector<uint8_t> cut(wav.begin(), wav.end() - 1001);
  sound = LoadSound(WriteTestFile("cut.wav", cut).c_str());
  EXPECT_EQ(sound.byteSize % 4, 0);
  EXPECT_LE(sound.byteSize, static_cast<int32_t>(data.size()) - 1001);
  FreeSound(sound);

  // Formats the device cannot play would switch all sound off: refused here.
  for (int variant = 0; variant < 4; ++variant) {
    std::vector<uint8_t> odd = wav;
    if (variant == 0) odd[22] = 7;                    // seven channels
    if (variant == 1) odd[34] = 24;                   // 24 bits
    if (variant == 2) PutLittle32(odd, 24, 0);        // rate 0
    if (variant == 3) PutLittle32(odd, 24, 0x7FFFFFFF);
    EXPECT_TRUE(IsEmpty(LoadSound(WriteTestFile("odd.wav", odd).c_str()))) << variant;
  }
  EXPECT_TRUE(IsSoundEnabled());
}

TEST(LoadSound, MissingUnknownOrBrokenFilesGiveNoSound) {
  EXPECT_TRUE(IsEmpty(LoadSound("no/such/sound.ogg")));
  EXPECT_TRUE(IsEmpty(LoadSound(WriteTestFile("text.ogg", {'h', 'e', 'l', 'l', 'o'}).c_str())));
  EXPECT_TRUE(IsEmpty(LoadSound(WriteTestFile("empty.ogg", {}).c_str())));
  // An Ogg named .mp3 sniffs as MP3, which effects do not use.
  std::vector<uint8_t> ogg = EncodeTestOgg(MakeTone(4410, 2, 44100), 2, 44100);
  EXPECT_TRUE(IsEmpty(LoadSound(WriteTestFile("named.mp3", ogg).c_str())));
  // Only the Ogg headers survive: a valid stream with no audio.
  std::vector<uint8_t> headersOnly(ogg.begin(), ogg.begin() + std::min<size_t>(ogg.size(), 3500));
  SoundData sound = LoadSound(WriteTestFile("headers.ogg", headersOnly).c_str());
  EXPECT_LE(sound.byteSize, 4 * 4410);
  FreeSound(sound);
}
