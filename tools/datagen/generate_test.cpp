// The generator is deterministic: a fresh run gives, byte for byte, the files
// the build placed in the run directory. Its pictures carry real lettering.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "tools/datagen/canvas.h"
#include "tools/datagen/generate.h"
#include "tools/datagen/text.h"

namespace fs = std::filesystem;

namespace {

// The environment names the run directory; the build's own is the fallback.
std::string RunDir() {
  const char* dir = std::getenv("RR_RUN_DIR");
  return dir ? dir : RR_TEST_RUN_DIR;
}

std::string SourceDir() {
  const char* dir = std::getenv("RR_SOURCE_DIR");
  return dir ? dir : RR_TEST_SOURCE_DIR;
}

std::string Bytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(Generate, FreshRunMatchesTheBuiltDataByteForByte) {
  // A folder of this run's own: builds running the suite at once share TempDir.
  fs::path fresh = fs::path(::testing::TempDir()) / ("datagen_fresh_" + std::to_string(getpid()));
  fs::remove_all(fresh);
  // Removed however the test ends, a failed assertion included.
  struct Cleanup {
    fs::path path;
    ~Cleanup() { fs::remove_all(path); }
  } cleanup{fresh};
  GenerateOptions options;
  options.runDirectory = fresh.string();
  options.fontDirectory = "/usr/share/fonts/truetype/dejavu";
  options.levelDirectory = SourceDir() + "/content/levels";
  GenerateReport report = GenerateData(options);
  EXPECT_TRUE(report.failures.empty());
  ASSERT_GT(report.files, 150);
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(fresh)) {
    if (!entry.is_regular_file()) continue;
    fs::path relative = fs::relative(entry.path(), fresh);
    bool same = Bytes(entry.path()) == Bytes(fs::path(RunDir()) / relative);
    EXPECT_TRUE(same) << relative << " differs from the built data";
    ++compared;
  }
  EXPECT_EQ(compared, report.files);
}

TEST(Generate, PolishLettersHaveInkInTheFont) {
  ASSERT_TRUE(OpenFonts("/usr/share/fonts/truetype/dejavu"));
  for (const char* word : {"Ł", "Ś", "Ó", "Ź", "ż", "ę"}) {
    Canvas ink = RenderInk(word, FontFace::Bold, 40);
    EXPECT_GT(ink.Width(), 5) << word;
    EXPECT_GT(ink.Height(), 10) << word;
  }
  // A fitted size really fits, and bigger boxes take bigger sizes.
  int small = FitTextSize("WYJŚCIE", FontFace::Bold, 200, 40), large = FitTextSize("WYJŚCIE", FontFace::Bold, 400, 80);
  EXPECT_LT(small, large);
  Canvas fitted = RenderInk("WYJŚCIE", FontFace::Bold, small);
  EXPECT_LE(fitted.Width(), 200);
  EXPECT_LE(fitted.Height(), 40);
  CloseFonts();
}

TEST(Generate, PngRoundTripKeepsColourAndOpacity) {
  Canvas c(4, 4, Colour(0.0f));
  c.Set(1, 2, Rgb(200, 100, 50, 0.5f));
  std::string path = std::string(::testing::TempDir()) + "datagen_round_trip.png";
  ASSERT_TRUE(SavePng(c, path));
  Canvas back = LoadPng(path);
  ASSERT_EQ(back.Width(), 4);
  EXPECT_NEAR(back.At(1, 2).r, 200.0f / 255.0f, 1e-3f);
  EXPECT_NEAR(back.At(1, 2).a, 0.5f, 0.01f);
  EXPECT_EQ(back.At(0, 0).a, 0.0f);
}

}  // namespace
