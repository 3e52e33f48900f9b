// The sequencer's instruments and mixing.
#include "tools/soundgen/sequencer.h"

#include <cmath>
#include <sstream>

namespace {
float TimeOf(int frame) { return static_cast<float>(frame) / kSynthRate; }

// How long a voice may ring after its note ends.
float ReleaseSeconds(Instrument instrument) {
  switch (instrument) {
    case Instrument::kPad: return 0.6f;
    case Instrument::kBell: return 1.2f;
    case Instrument::kKick: return 0.4f;
    case Instrument::kSnare: return 0.3f;
    case Instrument::kOpenHat: return 0.3f;
    case Instrument::kHat: return 0.08f;
    case Instrument::kArp: return 0.3f;
    default: return 0.2f;
  }
}

// One note of one instrument as mono samples.
std::vector<float> RenderVoice(const NoteEvent& event, float heldSeconds, uint32_t salt) {
  int frames = static_cast<int>((heldSeconds + ReleaseSeconds(event.instrument)) * kSynthRate);
  std::vector<float> out(static_cast<size_t>(frames));
  float hz = NoteHz(event.note);
  Oscillator a, b, c, vibrato;
  a.duty = 0.3f;
  b.duty = 0.5f;
  Svf filter;
  Noise noise(salt);
  for (int i = 0; i < frames; ++i) {
    float t = TimeOf(i);
    float value = 0.0f;
    switch (event.instrument) {
      case Instrument::kLead: {
        float wobble = t > 0.18f ? 1.0f + 0.006f * vibrato.Next(Wave::kSine, 5.5f) : 1.0f;
        float tone = a.Next(Wave::kSquare, hz * wobble) * 0.5f + b.Next(Wave::kSaw, hz * wobble * 1.004f) * 0.4f;
        filter.Run(tone, hz * (2.0f + 6.0f * Decay(t, 0.15f)), 0.35f);
        value = filter.low * Adsr(t, heldSeconds, 0.008f, 0.2f, 0.65f, 0.15f) * 0.55f;
        break;
      }
      case Instrument::kBass: {
        float tone = a.Next(Wave::kSaw, hz) * 0.6f + b.Next(Wave::kSine, hz * 0.5f) * 0.5f;
        filter.Run(tone, 250.0f + 1400.0f * Decay(t, 0.09f), 0.45f);
        value = filter.low * Adsr(t, heldSeconds, 0.004f, 0.15f, 0.75f, 0.05f) * 0.9f;
        break;
      }
      case Instrument::kPad: {
        float tone = a.Next(Wave::kSaw, hz * 0.997f) + b.Next(Wave::kSaw, hz * 1.003f) + c.Next(Wave::kTriangle, hz * 2.0f) * 0.5f;
        filter.Run(tone, 1100.0f + 300.0f * std::sin(t * 2.0f), 0.2f);
        value = filter.low * Adsr(t, heldSeconds, 0.25f, 0.3f, 0.8f, 0.5f) * 0.18f;
        break;
      }
      case Instrument::kArp: {
        filter.Run(a.Next(Wave::kSquare, hz), hz * (1.5f + 8.0f * Decay(t, 0.03f)), 0.3f);
        value = filter.low * Adsr(t, heldSeconds, 0.002f, 0.08f, 0.35f, 0.1f) * 0.45f;
        break;
      }
      case Instrument::kBell: {
        float env = Decay(t, 0.35f) * (t < 0.003f ? t / 0.003f : 1.0f);
        value = (a.Next(Wave::kSine, hz) + 0.3f * b.Next(Wave::kSine, hz * 2.76f) * Decay(t, 0.08f)) * env * 0.4f;
        break;
      }
      case Instrument::kKick: {
        float pitch = 45.0f + 110.0f * Decay(t, 0.035f);
        value = a.Next(Wave::kSine, pitch) * Decay(t, 0.22f) + noise.Next() * Decay(t, 0.003f) * 0.3f;
        break;
      }
      case Instrument::kSnare: {
        filter.Run(noise.Next(), 2200.0f, 0.3f);
        value = filter.band * Decay(t, 0.1f) * 0.9f + a.Next(Wave::kTriangle, 190.0f) * Decay(t, 0.05f) * 0.5f;
        break;
      }
      case Instrument::kHat:
      case Instrument::kOpenHat: {
        filter.Run(noise.Next(), 7000.0f, 0.1f);
        float length = event.instrument == Instrument::kHat ? 0.025f : 0.12f;
        value = filter.high * Decay(t, length) * 0.3f;
        break;
      }
    }
    out[static_cast<size_t>(i)] = value * event.velocity;
  }
  return out;
}
}  // namespace

int StepFrames(float bpm) { return static_cast<int>(std::lround(kSynthRate * 60.0 / bpm / 4.0)); }

StereoClip RenderSong(const Song& song) {
  int stepFrames = StepFrames(song.bpm);
  int bodyFrames = song.steps * stepFrames;
  StereoClip clip;
  clip.Resize(bodyFrames + (song.loop ? 0 : static_cast<int>(song.tailSeconds * kSynthRate)));
  uint32_t salt = 1;
  for (const NoteEvent& event : song.notes) {
    float held = static_cast<float>(event.length * stepFrames) / kSynthRate;
    std::vector<float> voice = RenderVoice(event, held, salt++);
    float left = song.gain * (1.0f - event.pan);
    float right = song.gain * (1.0f + event.pan);
    int64_t start = static_cast<int64_t>(event.step) * stepFrames;
    for (size_t i = 0; i < voice.size(); ++i) {
      clip.Add(start + static_cast<int64_t>(i), voice[i] * left, voice[i] * right, song.loop);
    }
  }
  for (float& sample : clip.samples) sample = SoftClip(sample);
  return clip;
}

int Key::Degree(int degree) const {
  static const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};
  static const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
  int index = degree - 1;
  int octave = index >= 0 ? index / 7 : -((6 - index) / 7);
  int within = index - octave * 7;
  return tonic + octave * 12 + (minor ? kMinor[within] : kMajor[within]);
}

void AddDrumBar(Song& song, int bar, const char* kick, const char* snare, const char* hat) {
  const char* lines[3] = {kick, snare, hat};
  for (int line = 0; line < 3; ++line) {
    for (int step = 0; step < 16 && lines[line][step] != 0; ++step) {
      char mark = lines[line][step];
      if (mark != 'x' && mark != 'o' && mark != 'O') continue;
      NoteEvent event;
      event.step = bar * 16 + step;
      event.velocity = mark == 'x' ? 1.0f : 0.55f;
      event.instrument = line == 0 ? Instrument::kKick : line == 1 ? Instrument::kSnare : Instrument::kHat;
      if (line == 2 && mark == 'O') event.instrument = Instrument::kOpenHat;
      event.pan = line == 2 ? 0.25f : 0.0f;
      song.notes.push_back(event);
    }
  }
}

void AddBassBar(Song& song, int bar, int root, const char* pattern) {
  for (int step = 0; step < 16 && pattern[step] != 0; ++step) {
    char mark = pattern[step];
    if (mark != 'r' && mark != 'o' && mark != 'f') continue;
    int length = 1;
    while (step + length < 16 && pattern[step + length] == '-') ++length;
    NoteEvent event;
    event.step = bar * 16 + step;
    event.length = length;
    event.note = root + (mark == 'o' ? 12 : mark == 'f' ? 7 : 0);
    event.velocity = 0.9f;
    event.instrument = Instrument::kBass;
    song.notes.push_back(event);
  }
}

void AddPadBar(Song& song, int bar, const std::vector<int>& chord, float velocity) {
  float pan = -0.3f;
  for (int note : chord) {
    NoteEvent event{bar * 16, 16, note, velocity, Instrument::kPad, pan};
    song.notes.push_back(event);
    pan += 0.3f;
  }
}

void AddArpBar(Song& song, int bar, const std::vector<int>& chord, int every, float velocity) {
  if (chord.empty() || every < 1) return;
  int index = 0;
  for (int step = 0; step < 16; step += every) {
    int note = chord[static_cast<size_t>(index) % chord.size()] + 12 * ((index / static_cast<int>(chord.size())) % 2);
    NoteEvent event{bar * 16 + step, every, note, velocity, Instrument::kArp, (index % 2 == 0) ? -0.4f : 0.4f};
    song.notes.push_back(event);
    ++index;
  }
}

int AddMelody(Song& song, int firstStep, const Key& key, const std::string& tokens, Instrument instrument,
              float velocity, int octaveShift) {
  std::istringstream in(tokens);
  std::string token;
  std::vector<std::string> list;
  while (in >> token) list.push_back(token);
  for (size_t i = 0; i < list.size(); ++i) {
    const std::string& t = list[i];
    if (t == "-" || t == ".") continue;
    size_t at = 0;
    int alter = 0;
    if (t[at] == 'b') { alter = -1; ++at; }
    if (t[at] == '#') { alter = 1; ++at; }
    int degree = t[at] - '0';
    int octave = octaveShift;
    for (size_t k = at + 1; k < t.size(); ++k) octave += t[k] == '\'' ? 1 : t[k] == ',' ? -1 : 0;
    int length = 1;
    while (i + length < list.size() && list[i + length] == "-") ++length;
    NoteEvent event;
    event.step = firstStep + static_cast<int>(i);
    event.length = length;
    event.note = key.Degree(degree) + alter + 12 * octave;
    event.velocity = velocity;
    event.instrument = instrument;
    song.notes.push_back(event);
  }
  return static_cast<int>(list.size());
}
