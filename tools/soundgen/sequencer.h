// A small step sequencer: notes on a grid of sixteenth steps, played by a few
// synthesised instruments, mixed into a stereo clip. A looping song is
// rendered into exactly its loop length with every tail wrapped round to the
// start, so the end of the file joins its beginning without a seam.
#pragma once
#include <string>
#include <vector>

#include "tools/soundgen/synth.h"

enum class Instrument { kLead, kBass, kPad, kArp, kBell, kKick, kSnare, kHat, kOpenHat };

struct NoteEvent {
  int step = 0;        // sixteenth step from the start of the song
  int length = 1;      // in steps
  int note = 60;       // MIDI note number (ignored by drums)
  float velocity = 1.0f;
  Instrument instrument = Instrument::kLead;
  float pan = 0.0f;    // -1 left .. 1 right
};

struct Song {
  float bpm = 120.0f;
  int steps = 256;            // length of the song (the loop) in sixteenths
  bool loop = true;           // wrap tails round instead of appending them
  float tailSeconds = 0.0f;   // room after the last step of a song that does not loop
  float gain = 0.4f;
  std::vector<NoteEvent> notes;
};

int StepFrames(float bpm);
StereoClip RenderSong(const Song& song);

// Composition helpers. Scales are given as the MIDI note of degree 1 and a
// minor or major step pattern.
struct Key {
  int tonic = 57;  // A3
  bool minor = true;
  int Degree(int degree) const;  // 1-based, any integer (8 = the octave above)
};

// One bar of drums from 16-character strings: 'x' hit, 'o' soft hit, anything else rest.
void AddDrumBar(Song& song, int bar, const char* kick, const char* snare, const char* hat);
// Bass for one bar over a chord root: 'r' root, 'o' octave, 'f' fifth, '-' hold, '.' rest.
void AddBassBar(Song& song, int bar, int root, const char* pattern);
void AddPadBar(Song& song, int bar, const std::vector<int>& chord, float velocity);
// Arpeggio over the chord tones, one note every `every` steps.
void AddArpBar(Song& song, int bar, const std::vector<int>& chord, int every, float velocity);
// A melody in scale degrees, one token per step: "5" "1'" (octave up) "5," (down),
// "b3"/"#4" altered, "-" hold, "." rest. Returns the number of steps read.
int AddMelody(Song& song, int firstStep, const Key& key, const std::string& tokens, Instrument instrument,
              float velocity, int octaveShift = 0);
