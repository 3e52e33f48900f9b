// The timer thread, the SDL audio callback and the main thread together:
// music switches with every kind of fade and effects played while the timer
// refills the stream. Built with -fsanitize=thread this also finds races.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "sound/sound.h"
#include "sound/sound_mixer.h"
#include "sound/sound_voices.h"
#include "sound/test_sounds.h"

TEST(SoundThreads, SwitchesAndEffectsWhileTheTimerStreams) {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  InitSound();
  if (!IsSoundEnabled()) {
    ShutdownSound();
    GTEST_SKIP() << "no SDL audio driver here";
  }
  std::string tracks[2] = {
      WriteTestFile("thread_a.ogg", EncodeTestOgg(MakeTone(44100 / 2, 2, 44100), 2, 44100)),
      WriteTestFile("thread_b.ogg", EncodeTestOgg(MakeTone(44100 / 3, 1, 22050, 660.0f), 1, 22050))};
  SoundData effect = LoadSound(tracks[1].c_str());
  ASSERT_NE(effect.samples, nullptr);
  const float fades[] = {0.0f, 0.05f, 0.3f, 1.0f};
  auto started = std::chrono::steady_clock::now();
  for (int round = 0; round < 40; ++round) {
    PlayMusic(tracks[round % 2].c_str(), fades[round % 4], round % 3 == 0 ? 0 : 1);
    PlaySound(effect);
    std::this_thread::sleep_for(std::chrono::milliseconds(7 + (round * 13) % 40));
  }
  // Forty switches, each at most one wait for the tick: far below a second each.
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
  EXPECT_TRUE(IsSoundEnabled());
  EXPECT_GE(BusyVoiceCount(), 1);

  // Two quick switches in a row, then the timer alone: it has refilled the
  // stream behind the play cursor. Looked at under the tick guard, as PlayMusic does.
  PlayMusic(tracks[0].c_str(), 0.0f, 1);
  PlayMusic(tracks[0].c_str(), 0.0f, 1);
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  while (Mixer().tickGuard.test_and_set()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  MusicChannel* playing = Mixer().slots[0];
  int32_t written = Mixer().writePosition[0];
  Mixer().tickGuard.clear();
  ASSERT_NE(playing, nullptr);
  EXPECT_GT(written, 0);
  EXPECT_EQ(Mixer().slots[1], nullptr);
  ShutdownSound();
  FreeSound(effect);
}
