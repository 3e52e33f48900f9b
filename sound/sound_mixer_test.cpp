// The mixer driven by a test clock: the output is pulled from the software
// mixer by hand, MixerTick runs every 25 ms of that clock, so every test is
// deterministic and runs faster than real time.
#include "sound/sound_mixer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/audio_device.h"
#include "platform/virtual_clock.h"
#include "sound/sound.h"
#include "sound/sound_voices.h"
#include "sound/test_sounds.h"

namespace {
uint32_t testNow = 0;
uint32_t TestClock() { return testNow; }

class MixerTest : public testing::Test {
 protected:
  void SetUp() override {
    testNow = 1000;
    mixedFrames = 0;
    output.clear();
    InitSound(SoundOptions{true, TestClock});
  }
  void TearDown() override {
    ShutdownSound();
    for (SoundData& sound : loaded) FreeSound(sound);
  }

  // An effect kept until the test ends, when no voice plays it any more.
  SoundData Load(const std::string& name) { return loaded.emplace_back(LoadSound(name.c_str())); }

  // Plays ms milliseconds: the device's frames for that time, then the tick.
  void Run(uint32_t ms) {
    for (uint32_t done = 0; done < ms; done += kMixerPeriodMs) {
      testNow += kMixerPeriodMs;
      int64_t target = static_cast<int64_t>(testNow - 1000) * kAudioDeviceRate / 1000;
      int32_t frames = static_cast<int32_t>(target - mixedFrames);
      std::vector<int16_t> part(static_cast<size_t>(frames) * 2);
      AudioMixOutput(part.data(), frames);
      output.insert(output.end(), part.begin(), part.end());
      mixedFrames = target;
      MixerTick();
    }
  }

  std::string Track(const std::string& name, int32_t frames, float hz = 440.0f) {
    return WriteTestFile(name, EncodeTestOgg(MakeTone(frames, 2, 44100, hz), 2, 44100));
  }

  int64_t mixedFrames = 0;
  std::vector<int16_t> output;
  std::vector<SoundData> loaded;
};

std::vector<int16_t> Samples(const SoundData& sound) {
  const int16_t* at = reinterpret_cast<const int16_t*>(sound.samples);
  return std::vector<int16_t>(at, at + sound.byteSize / 2);
}
}  // namespace

TEST(VolumeFromLevel, FallsAsTheFourthRootToMinus60Decibels) {
  EXPECT_EQ(VolumeFromLevel(1.0f), 0);
  EXPECT_EQ(VolumeFromLevel(0.0f), -6000);
  EXPECT_EQ(VolumeFromLevel(-0.5f), -6000);
  EXPECT_EQ(VolumeFromLevel(0.0625f), -3000);
  EXPECT_EQ(VolumeFromLevel(0.5f), -954);  // truncated towards zero
  // Volumes a hair short of a whole number, -2245.99985 and -1741.99971, truncate to -2245 and
  // -1741; single precision rounded them to -2246 and -1742 first.
  EXPECT_EQ(VolumeFromLevel(0.15324), -2245);
  EXPECT_EQ(VolumeFromLevel(0.25364), -1741);
}

TEST_F(MixerTest, StreamedTrackComesOutSampleForSampleAcrossRefills) {
  std::string name = Track("known.ogg", 3 * 44100);
  SoundData decoded = Load(name);
  ASSERT_EQ(decoded.byteSize, 3 * 44100 * 4);
  PlayMusic(name.c_str(), 0.0f, 0);
  ASSERT_NE(Mixer().slots[0], nullptr);
  Run(4000);
  std::vector<int16_t> expected = Samples(decoded);
  // At least five refills of the 90000-byte buffer went by; every sample matches,
  // the last ones included: the channel is freed only after its end has played.
  ASSERT_GE(output.size(), expected.size());
  size_t firstDifference = 0;
  while (firstDifference < expected.size() && output[firstDifference] == expected[firstDifference]) ++firstDifference;
  EXPECT_EQ(firstDifference, expected.size()) << "diverged at sample " << firstDifference;
  for (size_t i = expected.size(); i < output.size(); ++i) ASSERT_EQ(output[i], 0) << i;
  EXPECT_EQ(Mixer().slots[0], nullptr);
}

TEST_F(MixerTest, FastTracksAreRefilledBeforeTheirBufferPlaysRound) {
  // Three seconds of a rising ramp in the left channel: played whole it only
  // ever rises; a buffer the refills fall behind plays stale bytes again.
  for (int32_t rate : {96000, 192000}) {
    const int32_t frames = rate * 3;
    std::vector<int16_t> ramp(static_cast<size_t>(frames) * 2, 0);
    for (int32_t f = 0; f < frames; ++f) ramp[size_t(f) * 2] = static_cast<int16_t>(int64_t(f) * 30000 / frames);
    std::string name = "ramp" + std::to_string(rate) + ".wav";
    PlayMusic(WriteTestFile(name, MakeWav(ToBytes(ramp), 2, rate, 16)).c_str(), 0.0f, 0);
    output.clear();
    Run(2800);
    for (size_t i = 2; i < output.size(); i += 2) {
      ASSERT_GE(output[i], output[i - 2] - 64) << rate << " Hz, at " << i / 2 << " of " << output.size() / 2;
    }
    StopMusicChannel(0);
  }
}

TEST_F(MixerTest, EightBitWavTrackFallsSilentAfterItsEnd) {
  // 8-bit samples are centred on 0x80: bytes the decoder cannot supply must be that, not 0 (full negative).
  std::vector<uint8_t> data(11025 / 5);
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(128 + ((i / 10) % 2 == 0 ? 40 : -40));
  PlayMusic(WriteTestFile("short8.wav", MakeWav(data, 1, 11025, 8)).c_str(), 0.0f, 0);
  ASSERT_NE(Mixer().slots[0], nullptr);
  Run(2000);
  EXPECT_EQ(Mixer().slots[0], nullptr);
  size_t afterEnd = 44100 / 5 * 2 + 100;
  for (size_t i = afterEnd; i < output.size(); ++i) ASSERT_EQ(output[i], 0) << i;
}

TEST_F(MixerTest, TwoSecondFadeThenAnInstantSwitch) {
  PlayMusic(Track("old.ogg", 44100 * 4).c_str(), 0.0f, 1);
  MusicChannel* old = Mixer().slots[0];
  Run(500);
  PlayMusic(Track("new.ogg", 44100 * 4, 660.0f).c_str(), 2.0f, 1);
  MusicChannel* incoming = Mixer().slots[1];
  ASSERT_EQ(Mixer().slots[0], old);
  ASSERT_NE(incoming, nullptr);
  EXPECT_EQ(AudioGetVolume(incoming->buffer), 0);
  uint32_t fadeStart = testNow;

  // The old track falls steadily: at half level (about -9.5 dB) half-way, about -40 dB at the end.
  int32_t lastVolume = 0, halfWay = 0;
  while (Mixer().slots[0] == old) {
    Run(kMixerPeriodMs);
    if (Mixer().slots[0] != old) break;
    int32_t volume = AudioGetVolume(old->buffer);
    EXPECT_LE(volume, lastVolume);
    if (halfWay == 0 && testNow - fadeStart >= 1000) halfWay = volume;
    lastVolume = volume;
    ASSERT_LT(testNow - fadeStart, 3000u);
  }
  EXPECT_NEAR(halfWay, -954, 40);
  EXPECT_LT(lastVolume, -3900);
  // The old track went at the end of the fade, and in the same tick the new one moved to slot 0.
  EXPECT_NEAR(static_cast<double>(testNow - fadeStart), 2025.0, 30.0);
  EXPECT_EQ(Mixer().slots[0], incoming);
  EXPECT_EQ(Mixer().slots[1], nullptr);
  Run(1000);
  EXPECT_EQ(Mixer().slots[0], incoming);

  // No fade: PlayMusic's own tick stops the playing track and installs the next in its place.
  PlayMusic(Track("next.ogg", 44100 * 4).c_str(), 0.0f, 1);
  ASSERT_NE(Mixer().slots[0], nullptr);
  EXPECT_NE(Mixer().slots[0], incoming);
  EXPECT_EQ(Mixer().slots[1], nullptr);
  EXPECT_EQ(AudioGetVolume(Mixer().slots[0]->buffer), 0);
}

TEST_F(MixerTest, MissingFileLeavesTheMusicPlayingAnUnusableOneStopsIt) {
  PlayMusic(Track("playing.ogg", 44100 * 2).c_str(), 0.0f, 1);
  MusicChannel* playing = Mixer().slots[0];
  PlayMusic("music/no_such_track.ogg", 0.0f, 0);
  Run(100);
  EXPECT_EQ(Mixer().slots[0], playing);
  EXPECT_EQ(playing->fade, 0.0f);
  PlayMusic(WriteTestFile("junk.ogg", {'j', 'u', 'n', 'k'}).c_str(), 0.0f, 0);
  Run(100);
  EXPECT_EQ(Mixer().slots[0], nullptr);
  EXPECT_EQ(Mixer().slots[1], nullptr);
  EXPECT_TRUE(IsSoundEnabled());
}

TEST_F(MixerTest, PlayMusicReturnsEvenWhenTheMixerIsStuck) {
  // A tick that never finishes holds the guard: PlayMusic must give up, not hang.
  Mixer().tickGuard.test_and_set();
  auto started = std::chrono::steady_clock::now();
  PlayMusic(Track("stuck.ogg", 44100).c_str(), 0.0f, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(Mixer().slots[0], nullptr);
  Mixer().tickGuard.clear();
  PlayMusic(Track("next.ogg", 44100).c_str(), 0.0f, 0);
  EXPECT_NE(Mixer().slots[0], nullptr);
  EXPECT_FALSE(Mixer().switchPending);
}

TEST_F(MixerTest, SoundOffDoesNothing) {
  std::string name = Track("any.ogg", 4410);
  SoundData effect = Load(name);
  DisableSound();
  PlayMusic(name.c_str(), 0.0f, 1);
  EXPECT_EQ(Mixer().slots[0], nullptr);
  EXPECT_FALSE(Mixer().switchPending);
  PlaySound(effect);
  EXPECT_EQ(BusyVoiceCount(), 0);
  EXPECT_EQ(Load(name).samples, nullptr);
  EXPECT_EQ(CreateSoundBuffer(44100, 16, 2, 400, nullptr), nullptr);
}

TEST(SoundDevice, PlaySoundAfterShutdownDoesNothingAndInitWorksAgain) {
  InitSound(SoundOptions{true, TestClock});
  std::vector<uint8_t> bytes(400, 0);
  SoundData effect{44100, 16, 2, 400, bytes.data()};
  ShutdownSound();
  PlaySound(effect);
  EXPECT_TRUE(IsSoundEnabled());
  InitSound(SoundOptions{true, TestClock});
  PlaySound(effect);
  EXPECT_EQ(BusyVoiceCount(), 1);
  ShutdownSound();
}

TEST(SoundDevice, NoDeviceLeavesSoundOffAndEveryCallHarmless) {
  const char* was = std::getenv("SDL_AUDIODRIVER");
  std::string saved = was != nullptr ? was : "";
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  InitSound();
  EXPECT_FALSE(IsSoundEnabled());
  std::string name = WriteTestFile("silent_run.ogg", EncodeTestOgg(MakeTone(4410, 2, 44100), 2, 44100));
  EXPECT_EQ(LoadSound(name.c_str()).samples, nullptr);
  PlayMusic(name.c_str(), 0.0f, 1);
  EXPECT_EQ(Mixer().slots[0], nullptr);
  EXPECT_FALSE(Mixer().switchPending);
  MixerTick();
  InitSound();  // a second try does not bring it back
  EXPECT_FALSE(IsSoundEnabled());
  ShutdownSound();
  if (was != nullptr) {
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }
}

TEST_F(MixerTest, SoundSwitchedOffFallsSilentInsteadOfRepeatingTheLastBuffer) {
  PlayMusic(Track("playing.ogg", 44100 * 4).c_str(), 0.0f, 1);
  SoundData effect = Load(Track("blip.ogg", 44100));
  PlaySound(effect);
  Run(1000);
  uint8_t bytes[12] = {};
  PlaySound(SoundData{44100, 24, 2, 12, bytes});
  ASSERT_FALSE(IsSoundEnabled());
  // No refills come any more: a stream buffer left playing would loop its last half second for ever.
  output.clear();
  Run(1000);
  int64_t energy = 0;
  for (int16_t sample : output) energy += std::abs(sample);
  EXPECT_EQ(energy, 0);
}

// A finished voice is reclaimed by the next PlaySound; a mono effect
// finishes at its true rate (0.1 s), not at half or twice that.
TEST_F(MixerTest, VoicesAreReclaimedOnceTheirEffectHasPlayed) {
  SoundData effect = Load(WriteTestFile("mono.ogg", EncodeTestOgg(MakeTone(2205, 1, 22050), 1, 22050)));
  ASSERT_EQ(effect.channels, 1);
  for (int i = 0; i < 3; ++i) PlaySound(effect);
  std::vector<int16_t> out(2 * 4300);
  AudioMixOutput(out.data(), 4300);  // 0.0975 s
  PlaySound(SoundData{});
  EXPECT_EQ(BusyVoiceCount(), 3);
  AudioMixOutput(out.data(), 200);
  EXPECT_EQ(BusyVoiceCount(), 3);  // finished, but only reclaimed by the next PlaySound
  PlaySound(effect);
  EXPECT_EQ(BusyVoiceCount(), 1);

  for (int i = 0; i < kVoiceCount + 5; ++i) PlaySound(effect);
  EXPECT_EQ(BusyVoiceCount(), kVoiceCount);  // the rest were dropped
}

TEST_F(MixerTest, LoopedTracksRepeatExactlyWavWithoutItsHeader) {
  std::string ogg = Track("seamless.ogg", 44100);
  std::vector<uint8_t> wavData = ToBytes(MakeTone(30000, 2, 44100));
  std::vector<int16_t> wavOnce(wavData.size() / 2);
  std::memcpy(wavOnce.data(), wavData.data(), wavData.size());
  std::pair<std::string, std::vector<int16_t>> cases[] = {
      {ogg, Samples(Load(ogg))}, {WriteTestFile("loop.wav", MakeWav(wavData, 2, 44100, 16)), wavOnce}};
  for (const auto& [name, once] : cases) {
    output.clear();
    PlayMusic(name.c_str(), 0.0f, 1);
    Run(3500);
    ASSERT_NE(Mixer().slots[0], nullptr) << name;
    size_t same = 0;
    while (same < 3 * once.size() && output[same] == once[same % once.size()]) ++same;
    EXPECT_GE(same, 3 * once.size()) << name << ": first difference at sample " << same << " of " << once.size();
  }
}

TEST(SoundDevice, TheMixerKeepsWallTimeWhileAVirtualClockStandsStill) {
  // The device plays in real time; a mixer on the game's virtual clock would
  // refill too late (or too early) and the music would break up.
  PlatformStartVirtualClock();
  uint32_t before = SoundNow();
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_GE(SoundNow() - before, 50u);
}

TEST_F(MixerTest, DamagedFilesPlayAsSilenceOrNoiseNeverACrash) {
  std::vector<int16_t> tone = MakeTone(44100, 2, 44100);
  std::vector<std::pair<std::string, std::vector<uint8_t>>> originals = {
      {"ogg", EncodeTestOgg(tone, 2, 44100)}, {"wav", MakeWav(ToBytes(tone), 2, 44100, 16)}};
  std::vector<uint8_t> mp3 = EncodeTestMp3(tone, 2, 44100);
  if (!mp3.empty()) originals.push_back({"mp3", mp3});
  uint32_t randomState = 12345;
  for (auto& [kind, bytes] : originals) {
    for (int variant = 0; variant < 12; ++variant) {
      std::vector<uint8_t> damaged = bytes;
      if (variant % 3 == 0) damaged.resize(damaged.size() * variant / 12);  // truncated
      for (int flip = 0; flip < variant * 3; ++flip) {
        randomState = randomState * 1103515245u + 12345u;
        damaged[(randomState >> 8) % damaged.size()] ^= static_cast<uint8_t>(randomState >> 24 | 1);
      }
      std::string name = WriteTestFile("damaged" + std::to_string(variant) + "." + kind, damaged);
      SoundData effect = Load(name);
      if (effect.samples != nullptr) PlaySound(effect);
      PlayMusic(name.c_str(), 0.5f, variant % 2);
      Run(600);
      ASSERT_TRUE(IsSoundEnabled()) << name;
    }
  }
}
