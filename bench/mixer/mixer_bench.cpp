// CPU cost of sound per second of audio: each iteration plays one second
// (40 mixer ticks of 25 ms and the device frames between them) through the
// software mixer, with the mixer driven by hand, so the time per iteration is
// the CPU time sound takes for every second the game runs.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/audio_device.h"
#include "sound/sound.h"

namespace {
uint32_t benchNow = 0;
uint32_t BenchClock() { return benchNow; }

std::vector<int16_t> device(2 * 2048);

// One second: 40 ticks, the device pulling 1102 or 1103 frames before each.
void PlayOneSecond() {
  for (int tick = 0; tick < 40; ++tick) {
    int32_t frames = (tick % 2 == 0) ? 1102 : 1103;
    AudioMixOutput(device.data(), frames);
    benchNow += 25;
    MixerTick();
  }
}

void StartSound() {
  benchNow = 1000;
  InitSound(SoundOptions{true, BenchClock});
}

// Streaming and decoding an in-game track: the refills decode Ogg Vorbis.
void BM_MusicStream(benchmark::State& state) {
  StartSound();
  PlayMusic(RR_MUSIC_DIR "/ingame1.ogg", 0.0f, 1);
  if (Mixer().slots[0] == nullptr) state.SkipWithError("music/ingame1.ogg is missing; build rr_music first");
  for (auto _ : state) PlayOneSecond();
  ShutdownSound();
}
BENCHMARK(BM_MusicStream)->Unit(benchmark::kMillisecond);

// Music plus a number of effects playing at once (looping, so they never end).
void BM_MusicAndEffects(benchmark::State& state) {
  StartSound();
  PlayMusic(RR_MUSIC_DIR "/ingame2.ogg", 0.0f, 1);
  SoundData effect = LoadSound(RR_MUSIC_DIR "/prad.ogg");
  std::vector<AudioBuffer*> voices;
  for (int i = 0; i < state.range(0); ++i) {
    AudioBuffer* voice = AudioCreateBuffer(effect.sampleRate, 16, effect.channels, effect.byteSize);
    AudioWriteBuffer(voice, 0, effect.samples, effect.byteSize);
    AudioPlayBuffer(voice, true);
    voices.push_back(voice);
  }
  for (auto _ : state) PlayOneSecond();
  ShutdownSound();
}
BENCHMARK(BM_MusicAndEffects)->Arg(8)->Arg(80)->Unit(benchmark::kMillisecond);

// The mixer alone with a resampled buffer (22050 Hz mono, interpolated).
void BM_MixResampled(benchmark::State& state) {
  AudioOpenManual();
  AudioBuffer* buffer = AudioCreateBuffer(22050, 16, 1, 22050 * 2);
  AudioPlayBuffer(buffer, true);
  AudioSetVolume(buffer, -300);
  for (auto _ : state) {
    for (int tick = 0; tick < 40; ++tick) AudioMixOutput(device.data(), tick % 2 == 0 ? 1102 : 1103);
  }
  AudioCloseDevice();
}
BENCHMARK(BM_MixResampled)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
