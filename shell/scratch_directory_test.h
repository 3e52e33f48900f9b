// Tests only: a fresh empty current directory per test, so the settings and
// profile files each test writes never meet another test's.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

class ScratchDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = std::filesystem::current_path();
    char pattern[] = "/tmp/rivet-shell-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    scratch = pattern;
    std::filesystem::current_path(scratch);
  }
  void TearDown() override {
    std::filesystem::current_path(previous);
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
  }

  static void WriteBytes(const char* name, const std::vector<unsigned char>& bytes) {
    FILE* file = std::fopen(name, "wb");
    ASSERT_NE(file, nullptr);
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  static std::vector<unsigned char> ReadBytes(const char* name) {
    std::vector<unsigned char> bytes;
    FILE* file = std::fopen(name, "rb");
    if (file == nullptr) return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(static_cast<unsigned char>(c));
    std::fclose(file);
    return bytes;
  }
  static std::vector<unsigned char> Int32s(std::initializer_list<int32_t> values) {
    std::vector<unsigned char> bytes;
    for (int32_t v : values) {
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(static_cast<uint32_t>(v) >> (8 * i)));
    }
    return bytes;
  }

  std::filesystem::path previous;
  std::filesystem::path scratch;
};
