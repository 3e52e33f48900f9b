// Recognising sound files: sniffing by content and name, the chunk search
// window, and WAV headers.
#include "sound/sound_sniff.h"

#include <gtest/gtest.h>

#include <string>

#include "files/file_stream.h"
#include "sound/test_sounds.h"

namespace {
std::vector<uint8_t> SmallOgg() { return EncodeTestOgg(MakeTone(4410, 2, 44100), 2, 44100); }

std::vector<uint8_t> Text(const std::string& text) { return std::vector<uint8_t>(text.begin(), text.end()); }

// Bytes of a literal, NULs included.
template <size_t N>
std::vector<uint8_t> Raw(const char (&text)[N]) {
  return std::vector<uint8_t>(text, text + N - 1);
}
}  // namespace

TEST(SniffSoundType, RecognisesEachKindByContent) {
  EXPECT_STREQ(SniffSoundType(WriteTestFile("tone.ogg", SmallOgg()).c_str()), "ogg");
  // The extension does not matter for Ogg or WAV: the content decides.
  EXPECT_STREQ(SniffSoundType(WriteTestFile("tone.dat", SmallOgg()).c_str()), "ogg");
  EXPECT_STREQ(SniffSoundType(WriteTestFile("tone.bin", MakeWav({1, 2, 3, 4}, 2, 44100, 16)).c_str()), "wav");
  EXPECT_STREQ(SniffSoundType(WriteTestFile("junk.ogg", Text("no sound in here at all")).c_str()), "");
  EXPECT_STREQ(SniffSoundType("no/such/file.ogg"), "");
  EXPECT_STREQ(SniffSoundType(WriteTestFile("empty.wav", {}).c_str()), "");
  // RIFF without a "fmt " chunk, or "fmt " without the RIFF mark, is not a WAV.
  EXPECT_STREQ(SniffSoundType(WriteTestFile("nofmt.wav", Raw("RIFF\x10\x00\x00\x00WAVEdata\x04\x00\x00\x00" "abcd")).c_str()), "");
  EXPECT_STREQ(SniffSoundType(WriteTestFile("norifff.wav", Text("RIFX....WAVEfmt ")).c_str()), "");
}

TEST(SniffSoundType, Mp3ExtensionWinsOverContent) {
  EXPECT_STREQ(SniffSoundType(WriteTestFile("really_ogg.MP3", SmallOgg()).c_str()), "mp3");
  EXPECT_STREQ(SniffSoundType(WriteTestFile("junk.mp3", Text("anything")).c_str()), "mp3");
  // Only the text after the last dot counts.
  EXPECT_STREQ(SniffSoundType(WriteTestFile("song.mp3.bak", Text("anything")).c_str()), "");
  EXPECT_STREQ(SniffSoundType(WriteTestFile("song.", Text("anything")).c_str()), "");
}

TEST(FindChunk, SearchesTheFirst10004BytesAnywhereIgnoringCase) {
  auto findIn = [](const std::string& name, const std::vector<uint8_t>& bytes, const char* tag) {
    FileStream file(WriteTestFile(name, bytes).c_str(), "r");
    return FindChunk(file, tag);
  };
  std::vector<uint8_t> bytes(10000, 'x');
  std::vector<uint8_t> atLimit = bytes;
  for (char c : std::string("FMT ")) atLimit.push_back(static_cast<uint8_t>(c));  // bytes 10000..10003
  EXPECT_EQ(findIn("limit.bin", atLimit, "fmt "), 0);
  std::vector<uint8_t> pastLimit = bytes;
  pastLimit.push_back('x');
  for (char c : std::string("fmt ")) pastLimit.push_back(static_cast<uint8_t>(c));
  EXPECT_EQ(findIn("past.bin", pastLimit, "fmt "), 1);
  EXPECT_EQ(findIn("short.bin", Text("fm"), "fmt "), 1);
  EXPECT_EQ(findIn("inside.bin", Text("abcdatazz"), "data"), 0);

  // The file stands just after the tag.
  FileStream file(WriteTestFile("after.bin", Text("..data!")).c_str(), "r");
  ASSERT_EQ(FindChunk(file, "DATA"), 0);
  EXPECT_EQ(file.ReadByte(), '!');
}

TEST(ReadWavHeader, RejectsMissingOrFarChunks) {
  int32_t byteSize = 0, rate = 0, channels = 0, bits = 0;
  std::vector<uint8_t> noData = MakeWav({}, 2, 44100, 16);
  noData.resize(noData.size() - 8);  // drop the "data" chunk header
  FileStream first(WriteTestFile("nodata.wav", noData).c_str(), "r");
  EXPECT_EQ(ReadWavHeader(first, byteSize, rate, channels, bits), 1);

  // A 20000-byte chunk ahead of "fmt " hides it.
  std::vector<uint8_t> far = Raw("RIFF\0\0\0\0WAVEjunk");
  far.resize(far.size() + 20000, 0);
  std::vector<uint8_t> wav = MakeWav({1, 2}, 1, 8000, 8);
  far.insert(far.end(), wav.begin() + 12, wav.end());
  FileStream second(WriteTestFile("far.wav", far).c_str(), "r");
  EXPECT_EQ(ReadWavHeader(second, byteSize, rate, channels, bits), 1);
  EXPECT_STREQ(SniffSoundType("ReadWavHeader_RejectsMissingOrFarChunks_far.wav"), "");
}
