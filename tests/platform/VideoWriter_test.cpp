// The video writer: each codec writes an AVI that libavformat reads back with the frames in order,
// upright, of the given size (odd sizes too) and at the given rate; a file that is not finished,
// and one whose frame is short, is removed; a file that cannot be created is reported.

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/VideoWriter.h"
#include "support/AviReadBack.h"

namespace {

// A frame of a 24-bit bitmap whose upper half is `upper` and lower half `lower`.
std::vector<uint8_t> Frame(int32_t width, int32_t height, QRgb upper, QRgb lower) {
  const size_t row = VideoWriter::RowBytes(width);
  std::vector<uint8_t> bits(row * static_cast<size_t>(height), 0);
  for (int32_t y = 0; y < height; ++y) {
    // Row 0 of a bitmap is the bottom of the picture.
    const QRgb c = y < height / 2 ? lower : upper;
    for (int32_t x = 0; x < width; ++x) {
      uint8_t* p = bits.data() + row * static_cast<size_t>(y) + 3 * static_cast<size_t>(x);
      p[0] = static_cast<uint8_t>(qBlue(c));
      p[1] = static_cast<uint8_t>(qGreen(c));
      p[2] = static_cast<uint8_t>(qRed(c));
    }
  }
  return bits;
}

const std::vector<QRgb> Uppers = {qRgb(220, 30, 30), qRgb(30, 200, 40), qRgb(40, 40, 220),
                                  qRgb(230, 220, 40)};
const QRgb Lower = qRgb(250, 250, 250);

TEST(VideoWriter, EveryCodecWritesAnAviThatReadsBackFrameByFrame) {
  struct Case {
    VideoCodec codec;
    const char* decoder;
    int tolerance;
  };
  QTemporaryDir dir;
  const int32_t width = 65, height = 49;
  for (const Case& c :
       {Case{VideoCodec::Uncompressed, "rawvideo", 0}, Case{VideoCodec::MotionJpeg, "mjpeg", 24},
        Case{VideoCodec::Mpeg4, "mpeg4", 32}}) {
    SCOPED_TRACE(c.decoder);
    const std::string path = dir.filePath(QString(c.decoder) + ".avi").toStdString();
    VideoWriter writer;
    ASSERT_TRUE(writer.Open(path, width, height, 7, VideoOptions{c.codec, 90})) << writer.Error();
    for (QRgb upper : Uppers) {
      const std::vector<uint8_t> bits = Frame(width, height, upper, Lower);
      ASSERT_TRUE(writer.WriteFrame(bits.data(), bits.size())) << writer.Error();
    }
    ASSERT_TRUE(writer.Finish()) << writer.Error();

    const AviReadBack video = ReadVideoFile(path);
    ASSERT_TRUE(video.Opened);
    EXPECT_EQ(video.Container, "avi");
    EXPECT_EQ(video.Codec, c.decoder);
    EXPECT_EQ(video.Width, width);
    EXPECT_EQ(video.Height, height);
    EXPECT_EQ(video.RateNum, 7 * video.RateDen);
    ASSERT_EQ(video.Frames.size(), Uppers.size());
    for (size_t i = 0; i < Uppers.size(); ++i) {
      EXPECT_TRUE(NearColor(UpperColor(video.Frames[i]), Uppers[i], c.tolerance)) << i;
      EXPECT_TRUE(NearColor(LowerColor(video.Frames[i]), Lower, c.tolerance)) << i;
    }
  }
}

TEST(VideoWriter, UnfinishedAndFailedFilesAreRemoved) {
  QTemporaryDir dir;
  const std::string abandoned = dir.filePath("abandoned.avi").toStdString();
  {
    VideoWriter writer;
    ASSERT_TRUE(writer.Open(abandoned, 8, 8, 5, VideoOptions{}));
    const std::vector<uint8_t> bits = Frame(8, 8, Uppers[0], Lower);
    ASSERT_TRUE(writer.WriteFrame(bits.data(), bits.size()));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(abandoned)));
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(abandoned)));

  const std::string shortFrame = dir.filePath("short.avi").toStdString();
  VideoWriter writer;
  ASSERT_TRUE(writer.Open(shortFrame, 8, 8, 5, VideoOptions{}));
  const std::vector<uint8_t> bits = Frame(8, 4, Uppers[0], Lower);
  EXPECT_FALSE(writer.WriteFrame(bits.data(), bits.size()));
  EXPECT_FALSE(writer.Error().empty());
  EXPECT_FALSE(QFile::exists(QString::fromStdString(shortFrame)));
  EXPECT_FALSE(writer.Finish());

  VideoWriter nowhere;
  EXPECT_FALSE(nowhere.Open(dir.filePath("no/folder/x.avi").toStdString(), 8, 8, 5, {}));
  EXPECT_FALSE(nowhere.Error().empty());
  EXPECT_FALSE(nowhere.Open(dir.filePath("empty.avi").toStdString(), 0, 8, 5, {}));
}

} // namespace
