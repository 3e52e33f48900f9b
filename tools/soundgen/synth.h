// The building blocks every effect and instrument of the game is made from:
// oscillators, noise, envelopes and filters over float samples at 44100 Hz.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int kSynthRate = 44100;
constexpr float kTwoPi = 6.28318530718f;

// Interleaved stereo float samples, nominally in -1..1.
struct StereoClip {
  std::vector<float> samples;
  int Frames() const { return static_cast<int>(samples.size() / 2); }
  void Resize(int frames) { samples.assign(static_cast<size_t>(frames) * 2, 0.0f); }
  // Adds a sample to frame i (wrapping when wrap is set, dropping past the end otherwise).
  void Add(int64_t frame, float left, float right, bool wrap = false);
};

// A small xorshift generator: the same noise on every build.
struct Noise {
  uint32_t state = 0x9E3779B9u;
  explicit Noise(uint32_t salt = 1) : state(salt * 2654435761u + 0x6D2B79F5u) {}
  float Next();  // -1..1
};

enum class Wave { kSine, kSquare, kSaw, kTriangle };

// Band-limited (polyBLEP) oscillator; phase runs 0..1.
struct Oscillator {
  float phase = 0.0f;
  float duty = 0.5f;
  float Next(Wave wave, float hz);
};

// Chamberlin state-variable filter.
struct Svf {
  float low = 0.0f;
  float band = 0.0f;
  float high = 0.0f;
  void Run(float input, float cutoffHz, float resonance);
};

// One-pole smoothing low pass.
struct OnePole {
  float value = 0.0f;
  float Run(float input, float cutoffHz);
};

// Attack-decay-sustain-release level at time t of a note held for `held` seconds.
float Adsr(float t, float held, float attack, float decay, float sustain, float release);
// 1 at t = 0 falling exponentially with the given time constant.
float Decay(float t, float seconds);
float NoteHz(int midiNote);
// Soft saturation that keeps peaks below 1.
float SoftClip(float x);
