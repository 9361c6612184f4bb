// The program starts without the video libraries: they and their many dependencies are loaded
// only when a video is written (the AVI tests write through them).

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

TEST(Program, StartsWithoutTheVideoLibraries) {
  const std::string command = std::string("readelf -d '") + CORVALIN_PROGRAM + "'";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string needed;
  char line[512];
  while (fgets(line, sizeof line, pipe))
    if (std::string(line).find("(NEEDED)") != std::string::npos) needed += line;
  ASSERT_EQ(pclose(pipe), 0);
  ASSERT_NE(needed.find("libQt6Widgets"), std::string::npos) << needed;
  for (const char* library : {"libavcodec", "libavformat", "libswscale", "libavutil"})
    EXPECT_EQ(needed.find(library), std::string::npos) << library << " in\n" << needed;
}
