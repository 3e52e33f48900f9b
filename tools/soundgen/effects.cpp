// Recipes for every effect: explosion, electrocution, rollers, doors, engine,
// exit, cloner, teleport, countdown beep and the menu clicks.
#include "tools/soundgen/effects.h"

#include <cmath>

namespace {
int FramesOf(float seconds) { return static_cast<int>(seconds * kSynthRate); }
float TimeOf(int frame) { return static_cast<float>(frame) / kSynthRate; }

// Fades the first and last few milliseconds so no effect starts or ends with a click.
void SoftenEdges(StereoClip& clip, float seconds = 0.004f) {
  int edge = FramesOf(seconds);
  int frames = clip.Frames();
  for (int i = 0; i < edge && i < frames; ++i) {
    float gain = static_cast<float>(i) / edge;
    for (int c = 0; c < 2; ++c) {
      clip.samples[static_cast<size_t>(i) * 2 + c] *= gain;
      clip.samples[static_cast<size_t>(frames - 1 - i) * 2 + c] *= gain;
    }
  }
}

StereoClip MakeExplosion() {
  StereoClip clip;
  clip.Resize(FramesOf(1.6f));
  Noise noiseLeft(11), noiseRight(12);
  Svf filterLeft, filterRight;
  Oscillator thump;
  OnePole rumbleLeft, rumbleRight;
  for (int i = 0; i < clip.Frames(); ++i) {
    float t = TimeOf(i);
    float cutoff = 200.0f + 5000.0f * Decay(t, 0.18f);
    filterLeft.Run(noiseLeft.Next(), cutoff, 0.3f);
    filterRight.Run(noiseRight.Next(), cutoff * 0.9f, 0.3f);
    float body = Decay(t, 0.45f) * (t < 0.01f ? t / 0.01f : 1.0f);
    float boom = thump.Next(Wave::kSine, 38.0f + 90.0f * Decay(t, 0.08f)) * Decay(t, 0.35f);
    float left = filterLeft.low * body * 1.3f + rumbleLeft.Run(noiseLeft.Next(), 120.0f) * body * 3.0f;
    float right = filterRight.low * body * 1.3f + rumbleRight.Run(noiseRight.Next(), 120.0f) * body * 3.0f;
    clip.samples[i * 2] = SoftClip(left + boom * 0.9f);
    clip.samples[i * 2 + 1] = SoftClip(right + boom * 0.9f);
  }
  SoftenEdges(clip);
  return clip;
}

StereoClip MakeElectrocution() {
  StereoClip clip;
  clip.Resize(FramesOf(0.9f));
  Noise noise(21);
  Oscillator buzz, buzzHigh;
  Svf filter;
  float jitter = 0.0f;
  for (int i = 0; i < clip.Frames(); ++i) {
    float t = TimeOf(i);
    if (i % 441 == 0) jitter = noise.Next();
    float hz = 95.0f + 25.0f * jitter;
    float tone = buzz.Next(Wave::kSaw, hz) * 0.5f + buzzHigh.Next(Wave::kSquare, hz * 3.02f) * 0.25f;
    float crackle = noise.Next();
    crackle = std::fabs(crackle) > 0.93f ? crackle : crackle * 0.15f;
    filter.Run(tone + crackle, 2500.0f + 1500.0f * std::sin(t * 60.0f), 0.6f);
    float level = Adsr(t, 0.7f, 0.005f, 0.1f, 0.75f, 0.2f) * (0.8f + 0.2f * std::sin(t * 113.0f));
    float value = SoftClip(1.6f * (filter.low + 0.4f * filter.band) * level) * 0.8f;
    float spread = 0.15f * jitter;
    clip.samples[i * 2] = value * (1.0f - spread);
    clip.samples[i * 2 + 1] = value * (1.0f + spread);
  }
  SoftenEdges(clip);
  return clip;
}

StereoClip MakeRollers() {
  StereoClip clip;
  clip.Resize(FramesOf(0.6f));
  Noise noise(31);
  Oscillator hum;
  Svf click;
  for (int i = 0; i < clip.Frames(); ++i) {
    float t = TimeOf(i);
    float sinceClick = std::fmod(t, 1.0f / 16.0f);
    float tick = noise.Next() * Decay(sinceClick, 0.006f);
    click.Run(tick, 1800.0f, 0.7f);
    float motor = hum.Next(Wave::kTriangle, 70.0f + 6.0f * std::sin(t * 20.0f)) * 0.35f;
    float level = Adsr(t, 0.45f, 0.03f, 0.05f, 0.9f, 0.15f);
    float value = (click.band * 0.9f + motor) * level * 0.7f;
    clip.samples[i * 2] = value;
    clip.samples[i * 2 + 1] = value * 0.85f + click.low * level * 0.1f;
  }
  SoftenEdges(clip);
  return clip;
}

// A door panel driven by a servo: a whirring tone sliding in pitch, then a clunk
// as it stops. Red doors are heavier and hiss like pneumatics.
StereoClip MakeDoor(bool opening, bool heavy) {
  StereoClip clip;
  float travel = heavy ? 0.55f : 0.42f;
  clip.Resize(FramesOf(travel + 0.3f));
  Noise noise(heavy ? 41 : 42);
  Oscillator motor, clunk;
  Svf body, hiss;
  float low = heavy ? 110.0f : 180.0f;
  float high = heavy ? 190.0f : 340.0f;
  for (int i = 0; i < clip.Frames(); ++i) {
    float t = TimeOf(i);
    float along = t / travel < 1.0f ? t / travel : 1.0f;
    float hz = opening ? low + (high - low) * along : high - (high - low) * along;
    float whirr = motor.Next(Wave::kSaw, hz) * Adsr(t, travel, 0.03f, 0.05f, 0.8f, 0.04f);
    body.Run(whirr, hz * 4.0f, 0.5f);
    float value = body.low * 0.6f;
    if (heavy) {
      hiss.Run(noise.Next(), 5000.0f, 0.2f);
      value += hiss.band * 0.25f * Adsr(t, travel, 0.02f, 0.2f, 0.4f, 0.1f);
    }
    float afterStop = t - travel;
    if (afterStop >= 0.0f) {
      float thud = clunk.Next(Wave::kSine, (heavy ? 70.0f : 110.0f) + 60.0f * Decay(afterStop, 0.02f));
      value += thud * Decay(afterStop, 0.07f) * 0.9f + noise.Next() * Decay(afterStop, 0.01f) * 0.3f;
    }
    float pan = opening ? 0.1f : -0.1f;
    clip.samples[i * 2] = SoftClip(value * (1.0f - pan));
    clip.samples[i * 2 + 1] = SoftClip(value * (1.0f + pan));
  }
  SoftenEdges(clip);
  return clip;
}

// The rules play door_open* at the switch of an open door, which then closes,
// and door_close* at the switch of a closed door, which then opens: each file
// holds the movement the player sees while it plays.
StereoClip MakeDoorOpenBlue() { return MakeDoor(false, false); }
StereoClip MakeDoorCloseBlue() { return MakeDoor(true, false); }
StereoClip MakeDoorOpenRed() { return MakeDoor(false, true); }
StereoClip MakeDoorCloseRed() { return MakeDoor(true, true); }

StereoClip MakeEngine() {
  StereoClip clip;
  clip.Resize(FramesOf(0.4f));
  Oscillator engine, wobble, whine;
  Svf filter;
  for (int i = 0; i < clip.Frames(); ++i) {
    float t = TimeOf(i);
    float rev = 80.0f + 40.0f * std::sin(3.14159f * t / 0.4f);
    float hz = rev * (1.0f + 0.04f * wobble.Next(Wave::kSine, 17.0f));
    float tone = engine.Next(Wave::kSquare, hz) * 0.5f + whine.Next(Wave::kSine, hz * 6.0f) * 0.08f;
    filter.Run(tone, 900.0f, 0.4f);
    float level = Adsr(t, 0.3f, 0.04f, 0.1f, 0.8f, 0.1f);
    float value = filter.low * level * 0.8f;
    clip.samples[i * 2] = value;
    clip.samples[i * 2 + 1] = value;
  }
  SoftenEdges(clip);
  return clip;
}

// Bell-like notes: a sine with a slightly inharmonic partial and a fast decay.
void AddBell(StereoClip& clip, float start, float hz, float length, float level, float pan) {
  int first = FramesOf(start);
  for (int i = 0; i < FramesOf(length); ++i) {
    float t = TimeOf(i);
    float env = Decay(t, length * 0.35f) * (t < 0.003f ? t / 0.003f : 1.0f);
    float value = (std::sin(kTwoPi * hz * t) + 0.35f * std::sin(kTwoPi * hz * 2.76f * t) * Decay(t, 0.06f)) * env * level;
    clip.Add(first + i, value * (1.0f - pan), value * (1.0f + pan));
  }
}

StereoClip MakeExit() {
  StereoClip clip;
  clip.Resize(FramesOf(1.0f));
  const int notes[] = {72, 76, 79, 84};
  for (int n = 0; n < 4; ++n) AddBell(clip, 0.07f * n, NoteHz(notes[n]), 0.7f, 0.3f, -0.3f + 0.2f * n);
  SoftenEdges(clip);
  return clip;
}

// A swept resonant tone with sparkling bells: rising for arrivals, falling for departures.
StereoClip MakeSweep(bool rising, float seconds, float fromHz, float toHz, uint32_t salt, bool phaser) {
  StereoClip clip;
  clip.Resize(FramesOf(seconds + 0.25f));
  Noise noise(salt);
  Oscillator tone, tremolo;
  Svf left, right;
  for (int i = 0; i < FramesOf(seconds); ++i) {
    float t = TimeOf(i);
    float along = t / seconds;
    float shape = rising ? along * along : 1.0f - (1.0f - along) * (1.0f - along);
    float hz = fromHz * std::pow(toHz / fromHz, shape);
    float source = tone.Next(Wave::kSaw, hz) * 0.5f + noise.Next() * 0.2f;
    float sweep = phaser ? hz * (3.0f + 2.0f * tremolo.Next(Wave::kSine, 9.0f)) : hz * 3.0f;
    left.Run(source, sweep, 0.8f);
    right.Run(source, sweep * 1.07f, 0.8f);
    float level = Adsr(t, seconds - 0.1f, 0.02f, 0.1f, 0.85f, 0.1f) * 0.5f;
    clip.Add(i, left.band * level, right.band * level);
  }
  for (int n = 0; n < 5; ++n) {
    float when = seconds * (0.15f + 0.17f * n);
    float hz = rising ? 1200.0f + 300.0f * n : 2400.0f - 300.0f * n;
    AddBell(clip, when, hz, 0.3f, 0.12f, (n % 2 == 0) ? -0.5f : 0.5f);
  }
  SoftenEdges(clip);
  return clip;
}

StereoClip MakeClonerIn() { return MakeSweep(false, 0.7f, 900.0f, 120.0f, 51, false); }
StereoClip MakeClonerTarget() { return MakeSweep(true, 0.7f, 120.0f, 900.0f, 52, false); }
StereoClip MakeTeleportIn() { return MakeSweep(true, 0.6f, 200.0f, 1800.0f, 61, true); }
StereoClip MakeTeleportOut() { return MakeSweep(false, 0.6f, 1800.0f, 200.0f, 62, true); }

// Short tonal blips for the countdown and the menus.
StereoClip MakeBlip(float seconds, float hz, float secondHz, Wave wave, float level, float noiseLevel) {
  StereoClip clip;
  clip.Resize(FramesOf(seconds));
  Oscillator tone;
  Noise noise(71);
  Svf filter;
  for (int i = 0; i < clip.Frames(); ++i) {
    float t = TimeOf(i);
    float pitch = t < seconds * 0.5f ? hz : secondHz;
    filter.Run(tone.Next(wave, pitch), pitch * 3.0f, 0.2f);
    float env = Adsr(t, seconds * 0.7f, 0.002f, seconds * 0.3f, 0.6f, seconds * 0.3f);
    float value = (filter.low * level + noise.Next() * noiseLevel * Decay(t, 0.004f)) * env;
    clip.samples[i * 2] = value;
    clip.samples[i * 2 + 1] = value;
  }
  SoftenEdges(clip, 0.002f);
  return clip;
}

StereoClip MakeTimeBeep() { return MakeBlip(0.14f, 1046.5f, 1046.5f, Wave::kSquare, 0.35f, 0.0f); }
StereoClip MakeClick() { return MakeBlip(0.05f, 1800.0f, 1200.0f, Wave::kSine, 0.5f, 0.6f); }
StereoClip MakeOption() { return MakeBlip(0.1f, 660.0f, 990.0f, Wave::kTriangle, 0.45f, 0.0f); }
StereoClip MakePressedKey() { return MakeBlip(0.04f, 2400.0f, 1600.0f, Wave::kSquare, 0.2f, 0.5f); }
}  // namespace

const std::vector<EffectRecipe>& EffectRecipes() {
  static const std::vector<EffectRecipe> recipes = {
      {"wybuch", MakeExplosion},        {"prad", MakeElectrocution},
      {"tasma", MakeRollers},           {"door_open1", MakeDoorOpenBlue},
      {"door_close1", MakeDoorCloseBlue}, {"door_open2", MakeDoorOpenRed},
      {"door_close2", MakeDoorCloseRed}, {"robot_engine", MakeEngine},
      {"wyjscie", MakeExit},            {"kloniarka_in", MakeClonerIn},
      {"kloniarka_cel", MakeClonerTarget}, {"teleport_in", MakeTeleportIn},
      {"teleport_out", MakeTeleportOut}, {"time_beep", MakeTimeBeep},
      {"click1", MakeClick},            {"opcja", MakeOption},
      {"pressed_key", MakePressedKey},
  };
  return recipes;
}
