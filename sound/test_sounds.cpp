// Makers of test sounds.
#include "sound/test_sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "tools/soundgen/ogg_writer.h"

std::vector<int16_t> MakeTone(int32_t frames, int32_t channels, int32_t rate, float hz) {
  std::vector<int16_t> samples(static_cast<size_t>(frames) * channels);
  for (int32_t i = 0; i < frames; ++i) {
    for (int32_t c = 0; c < channels; ++c) {
      double t = static_cast<double>(i) / rate;
      double value = 0.4 * std::sin(6.283185307 * hz * (c + 1) * t) + 0.1 * std::sin(6.283185307 * 97.0 * t);
      samples[static_cast<size_t>(i) * channels + c] = static_cast<int16_t>(value * 32767.0);
    }
  }
  return samples;
}

std::vector<uint8_t> EncodeTestOgg(const std::vector<int16_t>& samples, int32_t channels, int32_t rate) {
  std::vector<float> pcm(samples.size());
  for (size_t i = 0; i < samples.size(); ++i) pcm[i] = samples[i] / 32768.0f;
  return EncodeOggPcm(pcm.data(), static_cast<int>(samples.size()) / channels, channels, rate, 0.3f, 1234);
}

namespace {
void PutLittle(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
}  // namespace

std::vector<uint8_t> MakeWav(const std::vector<uint8_t>& data, int32_t channels, int32_t rate, int32_t bits) {
  std::vector<uint8_t> out = {'R', 'I', 'F', 'F'};
  PutLittle(out, static_cast<uint32_t>(36 + data.size()), 4);
  for (char c : std::string("WAVEfmt ")) out.push_back(static_cast<uint8_t>(c));
  PutLittle(out, 16, 4);
  PutLittle(out, 1, 2);
  PutLittle(out, static_cast<uint32_t>(channels), 2);
  PutLittle(out, static_cast<uint32_t>(rate), 4);
  PutLittle(out, static_cast<uint32_t>(rate * channels * bits / 8), 4);
  PutLittle(out, static_cast<uint32_t>(channels * bits / 8), 2);
  PutLittle(out, static_cast<uint32_t>(bits), 2);
  for (char c : std::string("data")) out.push_back(static_cast<uint8_t>(c));
  PutLittle(out, static_cast<uint32_t>(data.size()), 4);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<uint8_t> ToBytes(const std::vector<int16_t>& samples) {
  std::vector<uint8_t> out;
  for (int16_t s : samples) PutLittle(out, static_cast<uint16_t>(s), 2);
  return out;
}

std::vector<uint8_t> EncodeTestMp3(const std::vector<int16_t>& samples, int32_t channels, int32_t rate) {
  std::string raw = WriteTestFile("mp3_input.raw", ToBytes(samples));
  std::string mp3 = raw + ".mp3";
  std::string command = "lame --quiet -r -s " + std::to_string(rate / 1000.0) + " --bitwidth 16 --signed --little-endian -m " +
                        (channels == 1 ? "m" : "j") + " '" + raw + "' '" + mp3 + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  return ReadWholeFile(mp3);
}

std::string WriteTestFile(const std::string& baseName, const std::vector<uint8_t>& bytes) {
  // CTest runs tests side by side in one folder: each test names its own files.
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test == nullptr ? baseName : std::string(test->test_suite_name()) + "_" + test->name() + "_" + baseName;
  std::ofstream file(name, std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return name;
}

std::vector<uint8_t> ReadWholeFile(const std::string& name) {
  std::ifstream file(name, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}
