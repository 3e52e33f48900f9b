// The menu camera file: cut long files, stop at bad numbers.
#include <gtest/gtest.h>

#include <string>

#include "frontend/menu_camera_file.h"

TEST(MenuCameraFile, TenNumbersInOrderAndBadOnesLeaveTheRest) {
  float camera[10] = {};
  const std::string good = "0 -30 12.5\n0 0 0\t0 0 1 60";
  EXPECT_EQ(ParseMenuCamera(good.data(), good.size(), camera), 10);
  EXPECT_FLOAT_EQ(camera[2], 12.5f);
  EXPECT_FLOAT_EQ(camera[9], 60.0f);
  for (const char* bad : {"1 2 nan 4", "1 2 inf 4", "1 2 x 4", "1 2 1e99 4"}) {
    float c[10] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    EXPECT_EQ(ParseMenuCamera(bad, std::string(bad).size(), c), 2) << bad;
    EXPECT_FLOAT_EQ(c[1], 2.0f);
    EXPECT_FLOAT_EQ(c[2], 9.0f) << bad;
  }
}

TEST(MenuCameraFile, TextLongerThanTheBufferIsCutNotOverrun) {
  // Ten numbers whose last digits lie beyond the buffer.
  std::string text(kMenuCameraBufferBytes - 4, ' ');
  text += "12345 6 7 8 9 10 11 12 13 14";
  float camera[10] = {};
  EXPECT_EQ(ParseMenuCamera(text.data(), text.size(), camera), 1);
  EXPECT_FLOAT_EQ(camera[0], 123.0f);  // what fits before the NUL
}
