#pragma once
// Reads a video file back with libavformat and libavcodec, as a standard player would: its
// container, codec, size, frame rate and every decoded frame as an RGB picture.

#include <QImage>

#include <string>
#include <vector>

struct AviReadBack {
  bool Opened = false;
  std::string Container; // the demuxer's name ("avi")
  std::string Codec;     // the decoder's name ("mjpeg", "rawvideo", "mpeg4")
  int Width = 0;
  int Height = 0;
  int RateNum = 0; // average frame rate as a fraction
  int RateDen = 1;
  std::vector<QImage> Frames; // decoded, in order
};

AviReadBack ReadVideoFile(const std::string& path);

// The colour in the middle of the upper or lower half of a frame.
QRgb UpperColor(const QImage& frame);
QRgb LowerColor(const QImage& frame);
// True when two colours differ by at most `tolerance` in each channel.
bool NearColor(QRgb a, QRgb b, int tolerance);
