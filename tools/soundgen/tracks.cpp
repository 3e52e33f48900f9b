// Compositions. Most tracks share one arrangement: four bars of groove, a
// melody, a second melody over pads, and the first melody again an octave up,
// over a four-chord progression; keys, tempi, tunes and rhythms differ.
#include "tools/soundgen/tracks.h"

#include <string>

namespace {
struct TrackPlan {
  Key key;
  float bpm = 120.0f;
  int progression[4] = {1, 6, 3, 7};  // chord degrees, one per bar
  const char* melodyA[4];
  const char* melodyB[4];
  const char* kick;
  const char* snare;
  const char* hat;
  const char* bass;
  int arpEvery = 2;
  int bars = 16;
  bool loop = true;
  float tail = 0.0f;
};

std::vector<int> Triad(const Key& key, int degree, int octave) {
  return {key.Degree(degree) + 12 * octave, key.Degree(degree + 2) + 12 * octave, key.Degree(degree + 4) + 12 * octave};
}

Song BuildTrack(const TrackPlan& plan) {
  Song song;
  song.bpm = plan.bpm;
  song.steps = plan.bars * 16;
  song.loop = plan.loop;
  song.tailSeconds = plan.tail;
  Key lead = plan.key;
  lead.tonic += 12;
  for (int bar = 0; bar < plan.bars; ++bar) {
    int section = (bar / 4) % 5;  // 0 groove, 1 melody A, 2 melody B, 3 melody A up, 4 breakdown
    int degree = plan.progression[bar % 4];
    std::vector<int> chord = Triad(plan.key, degree, 0);
    int root = plan.key.Degree(degree) - 12;
    if (section == 4) {
      AddPadBar(song, bar, chord, 0.9f);
      AddArpBar(song, bar, Triad(plan.key, degree, 1), 4, 0.35f);
      AddBassBar(song, bar, root, "r---------------");
      continue;
    }
    AddBassBar(song, bar, root, plan.bass);
    AddArpBar(song, bar, Triad(plan.key, degree, 1), plan.arpEvery, section == 0 ? 0.5f : 0.3f);
    bool fill = bar % 4 == 3;
    if (section == 0) {
      AddDrumBar(song, bar, plan.kick, "................", plan.hat);
    } else {
      AddDrumBar(song, bar, plan.kick, fill ? "....x.......x.xo" : plan.snare, plan.hat);
    }
    if (section >= 2) AddPadBar(song, bar, chord, 0.7f);
    if (section == 1) AddMelody(song, bar * 16, lead, plan.melodyA[bar % 4], Instrument::kLead, 0.8f);
    if (section == 2) AddMelody(song, bar * 16, lead, plan.melodyB[bar % 4], Instrument::kLead, 0.8f);
    if (section == 3) {
      AddMelody(song, bar * 16, lead, plan.melodyA[bar % 4], Instrument::kLead, 0.7f);
      AddMelody(song, bar * 16, lead, plan.melodyA[bar % 4], Instrument::kBell, 0.5f, 1);
    }
  }
  return song;
}

Song ComposeIngame1() {
  TrackPlan plan{};
  plan.key = Key{40 + 12, true};  // E minor
  plan.bpm = 124.0f;
  int progression[4] = {1, 6, 3, 7};
  std::copy(progression, progression + 4, plan.progression);
  plan.melodyA[0] = "1' - - 7 5 - - . 3 - 4 - 5 - - .";
  plan.melodyA[1] = "6 - - 5 3 - - . 1 - 3 - 6 - 5 -";
  plan.melodyA[2] = "5 - - . 3 - 2 - 3 - 5 - 7 - - .";
  plan.melodyA[3] = "2' - - 1' 7 - - . 5 - 4 - 2 - - .";
  plan.melodyB[0] = "3' - 2' - 1' - 7 - 1' - - - 5 - - -";
  plan.melodyB[1] = "6 - 7 - 1' - 3' - 1' - - - . . 6 .";
  plan.melodyB[2] = "7 - 1' - 7 - 5 - 3 - 5 - 7 - 1' -";
  plan.melodyB[3] = "2' - - - 7 - - - 5 - - - 7 - - -";
  plan.kick = "x.....x...x.....";
  plan.snare = "....x.......x...";
  plan.hat = "x.o.x.o.x.o.x.oO";
  plan.bass = "r.ro.rf.r.ro.fr.";
  return BuildTrack(plan);
}

Song ComposeIngame2() {
  TrackPlan plan{};
  plan.key = Key{38 + 12, true};  // D minor
  plan.bpm = 132.0f;
  int progression[4] = {1, 4, 7, 3};
  std::copy(progression, progression + 4, plan.progression);
  plan.melodyA[0] = "5 . 5 . 1' - 5 . 4 - 3 - 4 - 5 -";
  plan.melodyA[1] = "4 - - . 6 - 4 . 1' - 6 - 4 - - .";
  plan.melodyA[2] = "2 - 4 - 7 - 4 . 2' - 1' - 7 - 5 -";
  plan.melodyA[3] = "3 - 5 - 1' - - - 7 - 5 - 3 - - .";
  plan.melodyB[0] = "1' . 1' . 3' - 1' . 5 - - - 1' - 7 -";
  plan.melodyB[1] = "6 - - - 4 - 6 - 1' - - - 2' - 1' -";
  plan.melodyB[2] = "7 - - - 2' - 7 - 5 - - - 4 - 5 -";
  plan.melodyB[3] = "3 - - - 5 - - - 7 - 1' - 2' - - -";
  plan.kick = "x..x..x...x..x..";
  plan.snare = "....x.......x...";
  plan.hat = "xxoxxxoxxxoxxxoO";
  plan.bass = "r-rr.or-r-rf.or.";
  plan.arpEvery = 1;
  return BuildTrack(plan);
}

Song ComposeIngame3() {
  TrackPlan plan{};
  plan.key = Key{42 + 12, true};  // F sharp minor
  plan.bpm = 140.0f;
  int progression[4] = {1, 7, 6, 5};
  std::copy(progression, progression + 4, plan.progression);
  plan.melodyA[0] = "1' - 1' 7 1' - 3' - 2' - 1' - 7 - 5 -";
  plan.melodyA[1] = "7 - 7 6 7 - 2' - 1' - 7 - 5 - 4 -";
  plan.melodyA[2] = "6 - 6 5 6 - 1' - 3' - 1' - 6 - 5 -";
  plan.melodyA[3] = "5 - #7 - 2' - #7 - 5 - - - . . . .";
  plan.melodyB[0] = "5' - - - 4' - 3' - 1' - - - 3' - 5' -";
  plan.melodyB[1] = "4' - - - 2' - 7 - 2' - - - 4' - 2' -";
  plan.melodyB[2] = "3' - - - 1' - 6 - 1' - 3' - 6' - - -";
  plan.melodyB[3] = "5' - - - #7 - 2' - 5' - 4' - 2' - #7 -";
  plan.kick = "x...x...x...x...";
  plan.snare = "....x.......x..o";
  plan.hat = "oxoxoxoxoxoxoxoO";
  plan.bass = "rorooororforofoo";
  plan.arpEvery = 1;
  return BuildTrack(plan);
}

Song ComposeMenu() {
  TrackPlan plan{};
  plan.key = Key{45 + 12, true};  // A minor
  plan.bpm = 104.0f;
  int progression[4] = {1, 6, 4, 5};
  std::copy(progression, progression + 4, plan.progression);
  plan.melodyA[0] = "5 - - - 3 - 1 - 3 - - - 5 - 6 -";
  plan.melodyA[1] = "5 - - - 3 - - - 1 - - - . . . .";
  plan.melodyA[2] = "4 - - - 6 - 1' - 6 - - - 4 - 3 -";
  plan.melodyA[3] = "2 - - - #7, - 2 - 5 - - - . . . .";
  plan.melodyB[0] = "1' - - - 7 - 5 - 3 - - - 5 - - -";
  plan.melodyB[1] = "6 - - - 5 - 3 - 1 - - - 3 - - -";
  plan.melodyB[2] = "4 - 5 - 6 - 1' - 2' - - - 1' - 6 -";
  plan.melodyB[3] = "#7 - - - - - 2' - #7 - - - . . . .";
  plan.kick = "x.......x.x.....";
  plan.snare = "....x.......x...";
  plan.hat = "..o...o...o...o.";
  plan.bass = "r-----r-f---o---";
  plan.arpEvery = 2;
  plan.bars = 20;
  return BuildTrack(plan);
}

Song ComposeEnding() {
  TrackPlan plan{};
  plan.key = Key{48, false};  // C major
  plan.bpm = 116.0f;
  int progression[4] = {1, 4, 6, 5};
  std::copy(progression, progression + 4, plan.progression);
  plan.melodyA[0] = "1 - 3 - 5 - 1' - - - 7 - 1' - 5 -";
  plan.melodyA[1] = "6 - - - 4 - 6 - 1' - - - 6 - 4 -";
  plan.melodyA[2] = "3 - 6 - 1' - 3' - - - 2' - 1' - 6 -";
  plan.melodyA[3] = "7 - - - 5 - 7 - 2' - - - 5 - - -";
  plan.melodyB[0] = "3' - - - 2' - 1' - 5 - - - 1' - 3' -";
  plan.melodyB[1] = "4' - - - 3' - 1' - 6 - - - 1' - - -";
  plan.melodyB[2] = "6 - 1' - 3' - 6' - 5' - 3' - 1' - 6 -";
  plan.melodyB[3] = "5 - 7 - 2' - 5' - - - 4' - 2' - 7 -";
  plan.kick = "x.......x.......";
  plan.snare = "....x.......x...";
  plan.hat = "x.o.x.o.x.o.x.o.";
  plan.bass = "r---o---f---o---";
  plan.loop = false;
  Song song = BuildTrack(plan);
  // A held final chord and bells after the last bar.
  song.steps += 16;
  Key key = plan.key;
  AddPadBar(song, 16, {key.Degree(1), key.Degree(3), key.Degree(5), key.Degree(8)}, 1.0f);
  AddBassBar(song, 16, key.Degree(1) - 12, "r---------------");
  AddMelody(song, 16 * 16, key, "1' . 5' . 1'' - - - - - - - - - - -", Instrument::kBell, 0.7f, 1);
  AddDrumBar(song, 16, "x...............", "................", "O...............");
  song.tailSeconds = 1.5f;
  return song;
}

// About six seconds: a rising arpeggio of bells over a swelling chord and a final hit.
Song ComposeLogo() {
  Song song;
  song.bpm = 120.0f;
  song.steps = 40;
  song.loop = false;
  song.tailSeconds = 1.0f;
  Key key{48, false};  // C major
  AddMelody(song, 0, key, "1 . 3 . 5 . 1' . 3 . 5 . 1' . 3' . 5' . 1'' - - -", Instrument::kBell, 0.6f, 1);
  AddMelody(song, 0, key, "1 - - - - - - - 4 - - - - - - - 5 - - - - - - - 1' - - - - - - -", Instrument::kPad, 0.8f);
  AddMelody(song, 0, key, "3 - - - - - - - 6 - - - - - - - 7 - - - - - - - 3' - - - - - - -", Instrument::kPad, 0.8f);
  AddMelody(song, 0, key, "1, - - - - - - - 4, - - - - - - - 5, - - - - - - - 1 - - - - - - -", Instrument::kBass, 0.8f, -1);
  AddMelody(song, 24, key, "1' - - - - - - - - - - - - - - -", Instrument::kLead, 0.7f);
  AddMelody(song, 24, key, "5 - - - - - - - - - - - - - - -", Instrument::kLead, 0.5f);
  AddDrumBar(song, 0, "x.......x.......", "................", "................");
  AddDrumBar(song, 1, "x.......x...x.x.", "............x.xx", "................");
  AddDrumBar(song, 2, "x.......", "x.......", "O.......");
  return song;
}

Song ComposeSilence() {
  Song song;
  song.steps = 8;  // one second of nothing
  song.loop = false;
  return song;
}
}  // namespace

const std::vector<TrackRecipe>& TrackRecipes() {
  static const std::vector<TrackRecipe> recipes = {
      {"logo", ComposeLogo},         {"menu", ComposeMenu},         {"ingame1", ComposeIngame1},
      {"ingame2", ComposeIngame2},   {"ingame3", ComposeIngame3},   {"ingame4", ComposeEnding},
      {"blank", ComposeSilence},
  };
  return recipes;
}
