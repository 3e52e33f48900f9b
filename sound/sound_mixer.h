// The sound device and the music mixer: the process-wide sound state, the
// buffers effects and music play in, and MixerTick, which every 25 ms fades,
// switches, promotes and refills the two music slots.
#pragma once
#include <atomic>
#include <cstdint>

#include "sound/music_channel.h"

constexpr int32_t kMusicBlockBytes = 90000;      // one stream buffer: about 0.51 s of 44100 Hz stereo
constexpr int32_t kMusicFirstBlockBytes = 100000;
constexpr uint32_t kRefillIntervalMs = 400;
constexpr int64_t kRefillMarginMs = 100;
constexpr int32_t kMixerPeriodMs = 25;

struct PendingFormat {
  int32_t sampleRate = 0;
  int32_t bitsPerSample = 0;
  int32_t channels = 0;
  int32_t blockSize = 0;
  uint8_t* firstBlock = nullptr;
};

struct MixerState {
  std::atomic<bool> soundEnabled{true};  // read by the timer thread, cleared by the main thread
  std::atomic<bool> deviceReady{false};
  bool timerStarted = false;
  MusicChannel* slots[2] = {nullptr, nullptr};
  MusicChannel* pending = nullptr;
  PendingFormat pendingFormat;
  std::atomic<bool> switchPending{false};
  std::atomic_flag tickGuard = ATOMIC_FLAG_INIT;
  float musicVolume = 1.0f;
  float musicSpeed = 1.0f;
  int32_t writePosition[2] = {0, 0};
  // Where in the slot's buffer the decoded track ran out and silence begins;
  // -1 while the decoder still delivers. A finished track stops once the
  // play cursor has passed this point, so its last bytes are heard.
  int32_t silenceFrom[2] = {-1, -1};
  bool refillTimeSet = false;
  uint32_t lastRefill = 0;
  Mp3Decoder* mp3[2] = {nullptr, nullptr};
  StreamCarry carry[2];
  uint8_t scratch[kMusicBlockBytes];
};

MixerState& Mixer();

// How InitSound runs: with the SDL device and the 25 ms timer thread (the
// game), or driven by hand: no device or timer, the caller pulls the output
// with AudioMixOutput, calls MixerTick and supplies the clock (tests, tools).
struct SoundOptions {
  bool manual = false;
  uint32_t (*clock)() = nullptr;  // milliseconds; null = the platform tick count
};

// Opens the device, empties the voices, starts the mixer and its timer, and
// installs the effect player behind PlaySound. Sound stays off for the run
// when there is no device. Calling it again does nothing.
void InitSound(const SoundOptions& options = {});
// Stops the timer, music and voices and closes the device, so that the
// process (or the next test) starts clean. The game itself never calls it.
void ShutdownSound();
bool IsSoundEnabled();
// Switches sound off for the rest of the run (a buffer could not be made).
void DisableSound();
// The mixer's milliseconds: the clock given to InitSound, else the wall clock.
uint32_t SoundNow();

// A playback buffer of the given format; initialData, when given, fills it
// whole. Null on failure, which switches sound off for the run.
AudioBuffer* CreateSoundBuffer(int32_t sampleRate, int32_t bitsPerSample, int32_t channels, int32_t byteSize,
                               const void* initialData);
void WriteSoundBuffer(MusicChannel& channel, const void* source, int32_t offset, int32_t count);
void StopMusicChannel(int slot);
void MixerTick();

// Level 0..1 to DirectSound-style hundredths of a decibel: 0 at full level,
// -6000 at silence, falling as the fourth root of the level.
int32_t VolumeFromLevel(double level);
