// rivet-sound's commands: the info line, decoding to WAV, playing through the
// dummy audio driver, and the exit statuses.
#include "tools/sound/sound_tool.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "sound/sound.h"
#include "sound/test_sounds.h"

namespace {
struct ToolRun {
  int status;
  std::string text;
};

ToolRun RunTool(const std::vector<std::string>& words) {
  // Headless: SDL's dummy driver unless the caller chose another.
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::vector<std::string> args = {"rivet-sound"};
  args.insert(args.end(), words.begin(), words.end());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  std::FILE* out = std::tmpfile();
  int status = RunSoundTool(static_cast<int>(argv.size()), argv.data(), out);
  std::rewind(out);
  std::string text;
  int c;
  while ((c = std::fgetc(out)) != EOF) text.push_back(static_cast<char>(c));
  std::fclose(out);
  return {status, text};
}

std::string StereoOgg() { return WriteTestFile("tone.ogg", EncodeTestOgg(MakeTone(4410, 2, 44100), 2, 44100)); }
}  // namespace

TEST(SoundTool, InfoPrintsWhatLoadSoundSees) {
  ToolRun run = RunTool({"info", StereoOgg()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.text, "ogg 44100 2 16 17640\n");

  std::string wav = WriteTestFile("mono.wav", MakeWav({1, 2, 3, 4, 5, 6}, 1, 8000, 8));
  run = RunTool({"info", wav});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.text, "wav 8000 1 8 6\n");
}

TEST(SoundTool, UnusableFilesExitWithTwoAndBadCommandLinesWithOne) {
  ToolRun run = RunTool({"info", "no/such/file.ogg"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.text.find("none 0 0 0 0\n"), std::string::npos);
  // Effects do not decode MP3: the kind is known, the sound is empty.
  run = RunTool({"info", WriteTestFile("named.mp3", EncodeTestOgg(MakeTone(441, 2, 44100), 2, 44100))});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.text.find("mp3 0 0 0 0\n"), std::string::npos);
  EXPECT_EQ(RunTool({"decode", "no/such/file.ogg", "out.wav"}).status, 2);
  EXPECT_EQ(RunTool({"play", WriteTestFile("junk.ogg", {'x'}), "--seconds", "0"}).status, 2);
  EXPECT_EQ(RunTool({"play", WriteTestFile("junk.ogg", {'x'}), "--music", "--seconds", "0"}).status, 2);
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {}, {"info"}, {"louder", "x.ogg"}, {"play", "x.ogg", "--seconds"}, {"play", "x.ogg", "--seconds", "soon"},
           {"play", "x.ogg", "--seconds", "-1"}, {"play", "x.ogg", "--loud"}})
    EXPECT_EQ(RunTool(bad).status, 1) << bad.size();
}

TEST(SoundTool, DecodesToAWavOfTheSameSamplesAndPlaysEffectsAndMusic) {
  std::string ogg = StereoOgg();
  std::string wav = WriteTestFile("decoded.wav", {});
  ASSERT_EQ(RunTool({"decode", ogg, wav}).status, 0);
  SoundData original = LoadSound(ogg.c_str());
  SoundData decoded = LoadSound(wav.c_str());
  EXPECT_EQ(decoded.sampleRate, 44100);
  EXPECT_EQ(decoded.channels, 2);
  EXPECT_EQ(decoded.bitsPerSample, 16);
  EXPECT_EQ(decoded.byteSize, original.byteSize);
  if (decoded.byteSize == original.byteSize) {
    EXPECT_EQ(std::memcmp(decoded.samples, original.samples, static_cast<size_t>(original.byteSize)), 0);
  }
  FreeSound(original);
  FreeSound(decoded);
  // Played through the device: with the dummy driver it exists and plays silently.
  EXPECT_EQ(RunTool({"play", ogg, "--seconds", "0.05"}).status, 0);
  EXPECT_EQ(RunTool({"play", ogg, "--music", "--seconds", "0.1"}).status, 0);
  EXPECT_EQ(RunTool({"play", ogg}).status, 0);  // its own length: a tenth of a second
}
