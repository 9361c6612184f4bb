#pragma once
// The encoder behind VideoWriter. It lives in a module of its own (libcorvalin_video.so, built from
// src/platform/video), loaded the first time a video is written: the video libraries bring in
// about a hundred shared libraries, whose loading would otherwise be paid at every start of the
// program for a command most sessions never use.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/VideoCompression.h"

class VideoEncoder {
public:
  virtual ~VideoEncoder() = default;
  // As VideoWriter's members of the same names; a destroyed unfinished encoder removes its file.
  virtual bool Open(const std::string& path, int32_t width, int32_t height,
                    int32_t framesPerSecond, const VideoOptions& options) = 0;
  virtual bool WriteFrame(const uint8_t* bgrBottomUp, size_t size) = 0;
  virtual bool Finish() = 0;
  virtual const std::string& Error() const = 0;
};

// The module's one exported function: a new encoder, owned by the caller.
extern "C" {
using MakeVideoEncoderFn = VideoEncoder* (*)();
}
inline constexpr const char* MakeVideoEncoderSymbol = "corvalin_make_video_encoder";
