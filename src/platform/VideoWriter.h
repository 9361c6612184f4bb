#pragma once
// Writes an AVI video with one video stream, frame by frame, through libavformat and libavcodec
// (in a module loaded on first use: VideoEncoder.h).
// Frames come as the pixels of a 24-bit BMP (blue, green, red; bottom row first; rows padded to
// four bytes), all of the size given when the file is opened. The stream runs at a whole number
// of frames per second and every frame is shown for one frame time.
//
// A file that is not finished (a failed write, a cancelled export, or a writer destroyed before
// Finish) is removed, so no half-written video is left behind.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/VideoCompression.h"

class VideoEncoder;

class VideoWriter {
public:
  VideoWriter();
  ~VideoWriter();
  VideoWriter(const VideoWriter&) = delete;
  VideoWriter& operator=(const VideoWriter&) = delete;

  // Creates the file and its stream. False, with Error() saying why, when the size or rate is
  // unusable, the codec is missing or the file cannot be created.
  bool Open(const std::string& path, int32_t width, int32_t height, int32_t framesPerSecond,
            const VideoOptions& options);
  // Appends one frame; size is the number of bytes at bgrBottomUp, at least the rows of the frame.
  bool WriteFrame(const uint8_t* bgrBottomUp, size_t size);
  // Writes what the encoder still holds and the index, and closes the file.
  bool Finish();
  // Closes and removes an unfinished file.
  void Abandon();

  const std::string& Error() const { return m_error; }
  // The bytes of one padded 24-bit row of a frame of this width.
  static size_t RowBytes(int32_t width);

private:
  // Takes the encoder's error and drops the encoder with its unfinished file.
  bool Failed();
  // False, for a write or finish without an open file.
  bool NotOpen();
  std::unique_ptr<VideoEncoder> m_encoder;
  std::string m_error;
};
