// Texture pictures as data: the power-of-two sizes, the byte layout (red, green, blue, bottom row
// first, no padding), the raw kind, and every fault of a file giving no picture and a message
// naming it.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cstring>
#include <sys/stat.h>
#include <string>

#include "render/surfaces/TextureImage.h"

namespace {

TEST(TextureSize, SidesBecomePowersOfTwoWithinTheLimit) {
  struct Row {
    int32_t side, limit, want;
  };
  for (const Row& r : {Row{256, 256, 256}, Row{100, 256, 128}, Row{50, 256, 64}, Row{300, 256, 256},
                       Row{600, 256, 256}, Row{200, 256, 256}, Row{1, 256, 1}, Row{3, 256, 4},
                       Row{200, 128, 128}, Row{5, 256, 8}})
    EXPECT_EQ(TextureSide(r.side, r.limit), r.want) << r.side << " within " << r.limit;
  EXPECT_EQ(TextureSideLimit(16384), 256);
  EXPECT_EQ(TextureSideLimit(128), 128);
  EXPECT_EQ(TextureSideLimit(0), 0);
}

class TextureFile : public ::testing::Test {
protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  void WriteBytes(const char* name, const QByteArray& bytes) const {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir dir;
};

TEST_F(TextureFile, PixelsAreRedGreenBlueFromTheBottomRowUp) {
  // 4 x 2 (12 bytes a row, which a 4-byte padded row would not change): top row red, green,
  // blue, white; bottom row black, grey, yellow, cyan.
  QImage picture(4, 2, QImage::Format_RGB32);
  const QColor top[4] = {Qt::red, Qt::green, Qt::blue, Qt::white};
  const QColor bottom[4] = {Qt::black, QColor(128, 128, 128), Qt::yellow, Qt::cyan};
  for (int x = 0; x < 4; ++x) {
    picture.setPixelColor(x, 0, top[x]);
    picture.setPixelColor(x, 1, bottom[x]);
  }
  for (const char* name : {"pic.bmp", "PIC.BMP"}) {
    ASSERT_TRUE(picture.save(QString::fromStdString(Path(name))));
    TextureImage image;
    std::string error;
    ASSERT_TRUE(ReadTextureImage(Path(name), 256, image, error)) << error;
    ASSERT_EQ(image.Width, 4);
    ASSERT_EQ(image.Height, 2);
    ASSERT_EQ(image.Rgb.size(), 24u);
    for (int x = 0; x < 4; ++x) {
      const uint8_t* b = image.Pixel(x, 0);
      EXPECT_EQ((QColor(b[0], b[1], b[2])), bottom[x]) << name << " bottom " << x;
      const uint8_t* t = image.Pixel(x, 1);
      EXPECT_EQ((QColor(t[0], t[1], t[2])), top[x]) << name << " top " << x;
    }
  }
}

TEST_F(TextureFile, PicturesAreScaledToPowersOfTwo) {
  QImage picture(100, 50, QImage::Format_RGB32);
  picture.fill(QColor(10, 200, 30));
  ASSERT_TRUE(picture.save(QString::fromStdString(Path("wide.jpg")), "JPG"));
  TextureImage image;
  std::string error;
  ASSERT_TRUE(ReadTextureImage(Path("wide.jpg"), 256, image, error)) << error;
  EXPECT_EQ(image.Width, 128);
  EXPECT_EQ(image.Height, 64);
  ASSERT_EQ(image.Rgb.size(), 128u * 64u * 3u);
  const uint8_t* p = image.Pixel(64, 32);
  EXPECT_NEAR(p[0], 10, 8);
  EXPECT_NEAR(p[1], 200, 8);
  EXPECT_NEAR(p[2], 30, 8);
}

TEST_F(TextureFile, ARawFileHoldsItsSizeAndPixels) {
  QByteArray raw;
  const int32_t w = 2, h = 1;
  raw.append(reinterpret_cast<const char*>(&w), 4); // the test machine is little-endian
  raw.append(reinterpret_cast<const char*>(&h), 4);
  raw.append("\x01\x02\x03\x04\x05\x06", 6);
  WriteBytes("pic.mot", raw);
  TextureImage image;
  std::string error;
  ASSERT_TRUE(ReadTextureImage(Path("pic.mot"), 256, image, error)) << error;
  EXPECT_EQ(image.Width, 2);
  EXPECT_EQ(image.Height, 1);
  EXPECT_EQ(image.Rgb, (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TextureFile, AFaultGivesNoPictureAndAMessageNamingTheFile) {
  WriteBytes("text.bmp", "this is no picture");
  WriteBytes("short.mot", QByteArray("\x02\x00\x00\x00", 4));
  QByteArray big("\xff\xff\xff\x7f\x01\x00\x00\x00", 8); // claims 2^31 - 1 pixels a row
  WriteBytes("huge.mot", big);
  QByteArray few("\x02\x00\x00\x00\x02\x00\x00\x00\x01\x02\x03", 11); // 2 x 2 with 3 bytes
  WriteBytes("few.mot", few);
  QImage(8, 8, QImage::Format_RGB32).save(dir.filePath("photo.jpeg"), "JPG");
  for (const std::string& name :
       {Path("missing.bmp"), Path("text.bmp"), Path("short.mot"), Path("huge.mot"), Path("few.mot"),
        Path("photo.jpeg"), std::string()}) {
    TextureImage image;
    std::string error;
    EXPECT_FALSE(ReadTextureImage(name, 256, image, error)) << name;
    EXPECT_TRUE(image.Rgb.empty());
    EXPECT_NE(error.find("\"" + name + "\""), std::string::npos) << error;
  }
}

// A FIFO would block the reader for ever and a character device never ends: neither is opened,
// and the message says what the name is.
TEST_F(TextureFile, SpecialFilesAreRefusedWithoutBeingRead) {
  const std::string fifo = Path("pipe.mot");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
  const struct {
    std::string name;
    const char* says;
  } rows[] = {{fifo, "not a regular file"},
              {"/dev/zero.mot", "does not exist"},
              {Path("folder.bmp"), "is a folder"}};
  for (const auto& row : rows) {
    TextureImage image;
    std::string error;
    EXPECT_FALSE(ReadTextureImage(row.name, 256, image, error)) << row.name;
    EXPECT_NE(error.find(row.says), std::string::npos) << error;
  }
  // A raw texture named by its device path: refused as no regular file.
  const QString zero = dir.filePath("zero.mot");
  ASSERT_TRUE(QFile::link("/dev/zero", zero));
  TextureImage image;
  std::string error;
  EXPECT_FALSE(ReadTextureImage(zero.toStdString(), 256, image, error));
  EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
}

// A raw file larger than its header asks for is read only as far as the header needs.
TEST_F(TextureFile, ARawFileIsReadOnlyAsFarAsItsHeaderNeeds) {
  QByteArray bytes("\x01\x00\x00\x00\x01\x00\x00\x00\x0a\x14\x1e", 11);
  bytes.append(QByteArray(1 << 20, '\x7f'));
  WriteBytes("long.mot", bytes);
  TextureImage image;
  std::string error;
  ASSERT_TRUE(ReadTextureImage(Path("long.mot"), 256, image, error)) << error;
  ASSERT_EQ(image.Rgb.size(), 3u);
  EXPECT_EQ(image.Rgb[0], 10);
  EXPECT_EQ(image.Rgb[2], 30);
}

} // namespace
