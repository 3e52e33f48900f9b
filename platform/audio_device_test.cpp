// The software mixer behind the DirectSound stand-in, pulled by hand: writes
// that wrap, cursors, one-shot and looping play, volume, frequency, formats.
#include "platform/audio_device.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/audio_timer.h"

namespace {
class AudioDeviceTest : public testing::Test {
 protected:
  void SetUp() override { AudioOpenManual(); }
  void TearDown() override { AudioCloseDevice(); }

  std::vector<int16_t> Mix(int32_t frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
    AudioMixOutput(out.data(), frames);
    return out;
  }
};

// A stereo 16-bit buffer whose frame i holds (i, -i).
AudioBuffer* RampBuffer(int32_t frames, int32_t rate = kAudioDeviceRate) {
  AudioBuffer* buffer = AudioCreateBuffer(rate, 16, 2, frames * 4);
  std::vector<int16_t> ramp(static_cast<size_t>(frames) * 2);
  for (int32_t i = 0; i < frames; ++i) {
    ramp[static_cast<size_t>(i) * 2] = static_cast<int16_t>(i);
    ramp[static_cast<size_t>(i) * 2 + 1] = static_cast<int16_t>(-i);
  }
  AudioWriteBuffer(buffer, 0, ramp.data(), frames * 4);
  return buffer;
}
}  // namespace

TEST_F(AudioDeviceTest, RefusesFormatsItCannotPlay) {
  EXPECT_EQ(AudioCreateBuffer(44100, 24, 2, 600), nullptr);
  EXPECT_EQ(AudioCreateBuffer(44100, 16, 3, 600), nullptr);
  EXPECT_EQ(AudioCreateBuffer(0, 16, 2, 600), nullptr);
  EXPECT_EQ(AudioCreateBuffer(44100, 16, 2, 3), nullptr);  // less than one frame
  EXPECT_EQ(AudioCreateBuffer(44100, 16, 2, -4), nullptr);
  AudioBuffer* fine = AudioCreateBuffer(8000, 8, 1, 1);
  EXPECT_NE(fine, nullptr);
  AudioReleaseBuffer(fine);
}

TEST_F(AudioDeviceTest, SilencedDeviceStopsEverythingForGood) {
  AudioBuffer* music = RampBuffer(100);
  AudioBuffer* effect = RampBuffer(100);
  AudioPlayBuffer(music, true);
  AudioPlayBuffer(effect, false);
  AudioSilenceDevice();
  EXPECT_FALSE(AudioIsPlaying(music));
  EXPECT_FALSE(AudioIsPlaying(effect));
  // A play that was already on its way on another thread stays silent too.
  AudioPlayBuffer(music, true);
  EXPECT_FALSE(AudioIsPlaying(music));
  for (int16_t sample : Mix(64)) ASSERT_EQ(sample, 0);
  // Closing the device ends the silence; the next one plays.
  AudioCloseDevice();
  AudioOpenManual();
  AudioBuffer* next = RampBuffer(100);
  AudioPlayBuffer(next, false);
  EXPECT_TRUE(AudioIsPlaying(next));
}

TEST_F(AudioDeviceTest, OneShotPlaysOnceThenStops) {
  AudioBuffer* buffer = RampBuffer(100);
  for (int16_t sample : Mix(64)) ASSERT_EQ(sample, 0);  // not yet started: silence
  EXPECT_FALSE(AudioIsPlaying(buffer));
  AudioPlayBuffer(buffer, false);
  EXPECT_TRUE(AudioIsPlaying(buffer));
  std::vector<int16_t> out = Mix(60);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[59 * 2], 59);
  EXPECT_EQ(out[59 * 2 + 1], -59);
  EXPECT_EQ(AudioGetPlayCursor(buffer), 60 * 4);
  out = Mix(60);
  EXPECT_EQ(out[39 * 2], 99);
  EXPECT_EQ(out[40 * 2], 0);  // past the end: silence
  EXPECT_FALSE(AudioIsPlaying(buffer));
}

TEST_F(AudioDeviceTest, LoopingWrapsAndWritesWrapAroundTheEnd) {
  AudioBuffer* buffer = RampBuffer(100);
  AudioPlayBuffer(buffer, true);
  std::vector<int16_t> out = Mix(250);
  EXPECT_EQ(out[100 * 2], 0);
  EXPECT_EQ(out[249 * 2], 49);
  EXPECT_EQ(AudioGetPlayCursor(buffer), 50 * 4);
  EXPECT_TRUE(AudioIsPlaying(buffer));

  // 8 bytes at offset 392 land in the last frame and the first.
  int16_t marks[4] = {1000, 1001, 2000, 2001};
  AudioWriteBuffer(buffer, 99 * 4, marks, 8);
  AudioSetPlayCursor(buffer, 98 * 4);
  out = Mix(3);
  EXPECT_EQ(out[0], 98);
  EXPECT_EQ(out[2], 1000);
  EXPECT_EQ(out[3], 1001);
  EXPECT_EQ(out[4], 2000);
  EXPECT_EQ(out[5], 2001);
}

TEST_F(AudioDeviceTest, VolumeIsInHundredthsOfADecibel) {
  AudioBuffer* buffer = AudioCreateBuffer(kAudioDeviceRate, 16, 2, 400);
  std::vector<int16_t> loud(200, 10000);
  AudioWriteBuffer(buffer, 0, loud.data(), 400);
  AudioPlayBuffer(buffer, true);
  AudioSetVolume(buffer, -600);  // -6 dB: about half
  EXPECT_NEAR(Mix(10)[0], 5012, 2);
  AudioSetVolume(buffer, -2000);  // -20 dB: a tenth
  EXPECT_NEAR(Mix(10)[0], 1000, 2);
  AudioSetVolume(buffer, -20000);  // clamped to silence
  EXPECT_EQ(AudioGetVolume(buffer), -10000);
  EXPECT_EQ(Mix(10)[0], 0);
  AudioSetVolume(buffer, 500);  // no gain above full level
  EXPECT_EQ(AudioGetVolume(buffer), 0);
  EXPECT_EQ(Mix(10)[0], 10000);
}

TEST_F(AudioDeviceTest, ResamplesFromTheBufferFrequency) {
  // 22050 Hz: each source frame lasts two device frames, the second interpolated.
  AudioBuffer* buffer = RampBuffer(1000, 22050);
  AudioSetVolume(buffer, 0);
  AudioPlayBuffer(buffer, false);
  std::vector<int16_t> out = Mix(100);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[2], 0);  // halfway between 0 and 1, rounded down
  EXPECT_EQ(out[4], 1);
  EXPECT_EQ(out[40 * 2], 20);
  EXPECT_EQ(AudioGetPlayCursor(buffer), 50 * 4);

  AudioSetFrequency(buffer, 88200);  // now twice as fast
  out = Mix(10);
  EXPECT_EQ(out[0], 50);
  EXPECT_EQ(out[2], 52);
  AudioSetFrequency(buffer, 0);  // back to the rate it was made with
  EXPECT_EQ(AudioGetFrequency(buffer), 22050);
}

TEST_F(AudioDeviceTest, EightBitMonoIsCentredAndSpreadToBothSides) {
  AudioBuffer* buffer = AudioCreateBuffer(kAudioDeviceRate, 8, 1, 4);
  uint8_t bytes[4] = {0x80, 0xFF, 0x00, 0x90};
  AudioWriteBuffer(buffer, 0, bytes, 4);
  AudioPlayBuffer(buffer, false);
  std::vector<int16_t> out = Mix(4);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[2], 127 * 256);
  EXPECT_EQ(out[3], 127 * 256);
  EXPECT_EQ(out[4], -128 * 256);
  EXPECT_EQ(out[6], 16 * 256);
}

TEST_F(AudioDeviceTest, MixingSumsAndClips) {
  AudioBuffer* a = AudioCreateBuffer(kAudioDeviceRate, 16, 2, 4);
  AudioBuffer* b = AudioCreateBuffer(kAudioDeviceRate, 16, 2, 4);
  int16_t high[2] = {30000, -30000};
  int16_t small[2] = {100, 200};
  AudioWriteBuffer(a, 0, high, 4);
  AudioWriteBuffer(b, 0, high, 4);
  AudioPlayBuffer(a, true);
  AudioPlayBuffer(b, true);
  std::vector<int16_t> out = Mix(1);
  EXPECT_EQ(out[0], 32767);
  EXPECT_EQ(out[1], -32768);
  AudioWriteBuffer(b, 0, small, 4);
  out = Mix(1);
  EXPECT_EQ(out[0], 30100);
  EXPECT_EQ(out[1], -29800);
}

TEST(AudioTimer, CallsBackRepeatedlyUntilStopped) {
  static std::atomic<int> calls{0};
  calls = 0;
  ASSERT_TRUE(AudioStartTimer(5, [] { calls++; }));
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (calls < 4 && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  AudioStopTimer();
  EXPECT_GE(calls, 4);
  int after = calls;
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  EXPECT_EQ(calls, after);
  EXPECT_FALSE(AudioTimerRunning());
}
