// Oscillators, noise, filters and envelopes of the sound generator.
#include "tools/soundgen/synth.h"

#include <cmath>

void StereoClip::Add(int64_t frame, float left, float right, bool wrap) {
  int64_t frames = Frames();
  if (frames == 0) return;
  if (wrap) frame = ((frame % frames) + frames) % frames;
  if (frame < 0 || frame >= frames) return;
  samples[static_cast<size_t>(frame) * 2] += left;
  samples[static_cast<size_t>(frame) * 2 + 1] += right;
}

float Noise::Next() {
  state ^= state << 13;
  state ^= state >> 17;
  state ^= state << 5;
  return static_cast<float>(state >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

namespace {
// Smooths the jump of a discontinuous wave over one sample either side.
float PolyBlep(float t, float dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0f;
  }
  if (t > 1.0f - dt) {
    t = (t - 1.0f) / dt;
    return t * t + t + t + 1.0f;
  }
  return 0.0f;
}
}  // namespace

float Oscillator::Next(Wave wave, float hz) {
  float dt = hz / kSynthRate;
  if (dt > 0.49f) dt = 0.49f;
  if (dt < 0.0f) dt = 0.0f;
  float value = 0.0f;
  switch (wave) {
    case Wave::kSine:
      value = std::sin(kTwoPi * phase);
      break;
    case Wave::kSaw:
      value = 2.0f * phase - 1.0f - PolyBlep(phase, dt);
      break;
    case Wave::kSquare: {
      value = phase < duty ? 1.0f : -1.0f;
      value += PolyBlep(phase, dt);
      float shifted = phase - duty;
      if (shifted < 0.0f) shifted += 1.0f;
      value -= PolyBlep(shifted, dt);
      break;
    }
    case Wave::kTriangle:
      value = phase < 0.5f ? 4.0f * phase - 1.0f : 3.0f - 4.0f * phase;
      break;
  }
  phase += dt;
  if (phase >= 1.0f) phase -= 1.0f;
  return value;
}

void Svf::Run(float input, float cutoffHz, float resonance) {
  if (cutoffHz > 0.2f * kSynthRate) cutoffHz = 0.2f * kSynthRate;
  if (cutoffHz < 10.0f) cutoffHz = 10.0f;
  float f = 2.0f * std::sin(3.14159265f * cutoffHz / kSynthRate);
  float damping = 2.0f - 2.0f * resonance;
  if (damping < 0.05f) damping = 0.05f;
  // The loop is stable only while f^2 + 2 f damping < 4.
  float limit = 0.9f * (std::sqrt(damping * damping + 4.0f) - damping);
  if (f > limit) f = limit;
  low += f * band;
  high = input - low - damping * band;
  band += f * high;
}

float OnePole::Run(float input, float cutoffHz) {
  float a = 1.0f - std::exp(-kTwoPi * cutoffHz / kSynthRate);
  value += a * (input - value);
  return value;
}

float Adsr(float t, float held, float attack, float decay, float sustain, float release) {
  if (t < 0.0f) return 0.0f;
  float level;
  if (t < attack) {
    level = t / attack;
  } else if (t < attack + decay) {
    level = 1.0f - (1.0f - sustain) * (t - attack) / decay;
  } else {
    level = sustain;
  }
  if (t > held) {
    float atRelease = Adsr(held, held + 1.0f, attack, decay, sustain, release);
    float after = (t - held) / release;
    level = after >= 1.0f ? 0.0f : atRelease * (1.0f - after);
  }
  return level;
}

float Decay(float t, float seconds) { return t < 0.0f ? 0.0f : std::exp(-t / seconds); }

float NoteHz(int midiNote) { return 440.0f * std::pow(2.0f, (midiNote - 69) / 12.0f); }

float SoftClip(float x) { return std::tanh(x); }
