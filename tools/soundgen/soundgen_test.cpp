// The generator: the same bytes every run, loops that join without a seam,
// effects that are audible and never clip, every file the game names.
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <tuple>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/ogg_writer.h"
#include "tools/soundgen/sequencer.h"
#include "tools/soundgen/tracks.h"

namespace {
float Peak(const StereoClip& clip) {
  float peak = 0.0f;
  for (float s : clip.samples) peak = std::fmax(peak, std::fabs(s));
  return peak;
}

// Decodes Ogg bytes from memory, counting frames.
long DecodedFrames(const std::vector<uint8_t>& bytes) {
  OggVorbis_File file;
  if (ov_open_callbacks(nullptr, &file, reinterpret_cast<const char*>(bytes.data()), static_cast<long>(bytes.size()),
                        OV_CALLBACKS_NOCLOSE) != 0) {
    return -1;
  }
  long frames = 0;
  char pcm[8192];
  int section = 0;
  long got;
  while ((got = ov_read(&file, pcm, sizeof(pcm), 0, 2, 1, &section)) > 0) frames += got / 4;
  ov_clear(&file);
  return frames;
}
}  // namespace

TEST(SoundGenerator, EncodingIsDeterministicAndKeepsTheExactLength) {
  StereoClip clip = EffectRecipes()[0].make();
  std::vector<uint8_t> first = EncodeOgg(clip, 0.4f, 7);
  std::vector<uint8_t> second = EncodeOgg(EffectRecipes()[0].make(), 0.4f, 7);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first, second);
  EXPECT_EQ(DecodedFrames(first), clip.Frames());
}

TEST(SoundGenerator, EveryEffectIsAudibleShortAndUnclipped) {
  for (const EffectRecipe& recipe : EffectRecipes()) {
    StereoClip clip = recipe.make();
    EXPECT_GT(Peak(clip), 0.05f) << recipe.name;
    EXPECT_LE(Peak(clip), 1.0f) << recipe.name;
    EXPECT_LT(clip.Frames(), 2 * kSynthRate) << recipe.name;
    // No click at either end.
    EXPECT_LT(std::fabs(clip.samples[0]), 0.01f) << recipe.name;
    EXPECT_LT(std::fabs(clip.samples.back()), 0.01f) << recipe.name;
  }
}

TEST(SoundGenerator, LoopingSongWrapsTailsToTheStart) {
  // A long pad note on the last step must ring on at the start of the loop,
  // so the file's end continues into its beginning.
  Song song;
  song.steps = 16;
  song.notes.push_back(NoteEvent{15, 4, 60, 1.0f, Instrument::kPad, 0.0f});
  StereoClip clip = RenderSong(song);
  EXPECT_EQ(clip.Frames(), 16 * StepFrames(song.bpm));
  float headEnergy = 0.0f;
  for (int i = 0; i < StepFrames(song.bpm); ++i) headEnergy += std::fabs(clip.samples[i * 2]);
  EXPECT_GT(headEnergy, 1.0f);

  song.loop = false;
  song.tailSeconds = 2.0f;
  StereoClip once = RenderSong(song);
  EXPECT_EQ(std::fabs(once.samples[0]), 0.0f);
  EXPECT_GT(once.Frames(), clip.Frames());
}

// Every voice the tracks use comes out finite (an unstable filter once
// silenced whole tracks). A voice depends on its instrument, pitch and length
// only, so each is rendered once, not once per note of every track; how the
// mixed tracks sound is checked on the built files. The in-game tracks but
// the last one loop.
TEST(SoundGenerator, EveryVoiceOfTheTracksRendersFinite) {
  std::set<std::tuple<Instrument, int, int>> voices;
  Song all;
  all.loop = false;
  all.steps = 1;
  all.tailSeconds = 2.0f;
  for (const TrackRecipe& recipe : TrackRecipes()) {
    const Song song = recipe.compose();
    const std::string name = recipe.name;
    EXPECT_EQ(song.notes.empty(), name == "blank") << name;
    EXPECT_TRUE(song.loop || name.rfind("ingame", 0) != 0 || name == "ingame4") << name;
    for (const NoteEvent& note : song.notes) {
      if (!voices.insert({note.instrument, note.note, note.length}).second) continue;
      all.notes.push_back(NoteEvent{0, note.length, note.note, 1.0f, note.instrument, 0.0f});
      all.steps = std::max(all.steps, note.length);
    }
  }
  StereoClip clip = RenderSong(all);
  for (float sample : clip.samples) ASSERT_TRUE(std::isfinite(sample));
}

TEST(SoundGenerator, MelodyReadsDegreesOctavesAndHolds) {
  Song song;
  Key key{57, true};  // A minor
  int steps = AddMelody(song, 32, key, "1 - 3' . b5 5, -", Instrument::kLead, 1.0f);
  EXPECT_EQ(steps, 7);
  ASSERT_EQ(song.notes.size(), 4u);
  EXPECT_EQ(song.notes[0].note, 57);
  EXPECT_EQ(song.notes[0].length, 2);
  EXPECT_EQ(song.notes[0].step, 32);
  EXPECT_EQ(song.notes[1].note, 60 + 12);
  EXPECT_EQ(song.notes[2].note, 63);
  EXPECT_EQ(song.notes[3].note, 52);
  EXPECT_EQ(song.notes[3].length, 2);
  EXPECT_EQ(key.Degree(0), 55);
  EXPECT_EQ(key.Degree(8), 69);
}

TEST(SoundGenerator, BuildWroteEveryFileTheGamePlays) {
  const char* effects[] = {"wybuch", "prad", "tasma", "door_open1", "door_close1", "door_open2", "door_close2",
                           "robot_engine", "wyjscie", "kloniarka_in", "kloniarka_cel", "teleport_in", "teleport_out",
                           "time_beep", "click1", "opcja", "pressed_key"};
  const char* tracks[] = {"logo", "menu", "ingame1", "ingame2", "ingame3", "ingame4", "blank"};
  auto seconds = [](const std::string& name, double* rms = nullptr) {
    OggVorbis_File file;
    std::string path = std::string(RR_MUSIC_DIR) + "/" + name + ".ogg";
    if (ov_fopen(path.c_str(), &file) != 0) return -1.0;
    vorbis_info* info = ov_info(&file, -1);
    bool stereo44 = info->channels == 2 && info->rate == 44100;
    double length = ov_time_total(&file, -1);
    if (rms != nullptr) {  // how loud the whole file plays
      double energy = 0.0;
      long frames = 0, got;
      float** pcm;
      int section = 0;
      while ((got = ov_read_float(&file, &pcm, 4096, &section)) > 0) {
        for (long i = 0; i < got; ++i) energy += double(pcm[0][i]) * pcm[0][i] + double(pcm[1][i]) * pcm[1][i];
        frames += got;
      }
      *rms = std::sqrt(energy / (2.0 * std::max(frames, 1L)));
    }
    ov_clear(&file);
    return stereo44 ? length : -2.0;
  };
  for (const char* name : effects) {
    double length = seconds(name);
    EXPECT_GT(length, 0.02) << name;
    EXPECT_LT(length, 2.0) << name;
  }
  // The logo's music lasts as long as the intro; the others play for a while.
  EXPECT_NEAR(seconds("logo"), 6.0, 0.5);
  EXPECT_GT(seconds("blank"), 0.5);
  for (const std::string name : tracks) {
    double rms = 0.0, length = seconds(name, &rms);
    EXPECT_TRUE(name == "logo" || name == "blank" || length > 20.0) << name;
    // Audible, not blaring: a voice gone wrong can silence a track or fill it with noise.
    EXPECT_TRUE(name == "blank" || (rms > 0.05 && rms < 0.5)) << name << " " << rms;
  }
}
