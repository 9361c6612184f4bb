// Texture pictures as data: the power-of-two sizes, the byte layout (red, green, blue, bottom row
// first, no padding), the raw kind, and every fault of a file giving no picture and a message
// naming it.

#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <sys/stat.h>

#include "render/surfaces/TextureImage.h"
#include "support/LimitedChild.h"

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

// The picture's mean over the area a result pixel covers, in full precision.
std::vector<double> AreaMean(const std::vector<uint8_t>& rgb, int32_t w, int32_t h, int32_t tw,
                             int32_t th) {
  std::vector<double> out(static_cast<size_t>(tw) * static_cast<size_t>(th) * 3, 0.0);
  const double sx = double(w) / tw, sy = double(h) / th;
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      for (int32_t ty = 0; ty < th; ++ty) {
        const double wy = std::min(y + 1.0, (ty + 1) * sy) - std::max(double(y), ty * sy);
        if (wy <= 0) continue;
        for (int32_t tx = 0; tx < tw; ++tx) {
          const double wx = std::min(x + 1.0, (tx + 1) * sx) - std::max(double(x), tx * sx);
          if (wx <= 0) continue;
          for (size_t c = 0; c < 3; ++c)
            out[(static_cast<size_t>(ty) * tw + tx) * 3 + c] +=
                wx * wy / (sx * sy) * rgb[(static_cast<size_t>(y) * w + x) * 3 + c];
        }
      }
  return out;
}

TEST(AreaShrink, EachPixelIsTheMeanOfTheAreaItCovers) {
  std::mt19937 random(7);
  const struct {
    int32_t w, h, tw, th;
  } rows[] = {{4, 2, 4, 2},         {4, 2, 2, 1},     {3, 3, 2, 2},     {5, 7, 4, 4},
              {300, 200, 256, 128}, {257, 3, 256, 2}, {1000, 1, 256, 1}};
  for (const auto& r : rows) {
    std::vector<uint8_t> picture(static_cast<size_t>(r.w) * r.h * 3);
    for (uint8_t& b : picture)
      b = static_cast<uint8_t>(random());
    AreaShrink shrink(r.w, r.h, r.tw, r.th);
    for (int32_t y = 0; y < r.h; ++y)
      shrink.AddRow(picture.data() + static_cast<size_t>(y) * r.w * 3);
    const std::vector<uint8_t> got = shrink.Result();
    const std::vector<double> want = AreaMean(picture, r.w, r.h, r.tw, r.th);
    ASSERT_EQ(got.size(), want.size());
    int off = 0;
    for (size_t k = 0; k < got.size(); ++k)
      if (std::abs(got[k] - want[k]) > 0.5 + 1e-9) ++off;
    EXPECT_EQ(off, 0) << r.w << " x " << r.h << " to " << r.tw << " x " << r.th;
    if (r.w == r.tw && r.h == r.th) {
      EXPECT_EQ(got, picture);
    }
  }
}

class TextureFile : public ::testing::Test {
protected:
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }
  void WriteBytes(const char* name, const QByteArray& bytes) const {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  // A raw picture: its width and height, then its pixels' bytes as given.
  void WriteRaw(const char* name, int32_t w, int32_t h, const QByteArray& pixels) const {
    QByteArray raw;
    raw.append(reinterpret_cast<const char*>(&w), 4); // the test machine is little-endian
    raw.append(reinterpret_cast<const char*>(&h), 4);
    WriteBytes(name, raw + pixels);
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
  WriteRaw("pic.mot", 2, 1, QByteArray("\x01\x02\x03\x04\x05\x06", 6));
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

// A picture with a side beyond 16384 pixels is refused before its pixels are read, and the
// message names the limit, also for a BMP file whose size the picture reader does not report.
TEST_F(TextureFile, APictureBeyondTheSideLimitIsRefusedNamingTheLimit) {
  auto le16 = [](int v) { return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char(v >> 8)); };
  auto le32 = [&](int v) { return le16(v & 0xFFFF) + le16((v >> 16) & 0xFFFF); };
  // A BMP of 24 bits a pixel with an info header of `info` bytes; the pixels are not there.
  auto bmp = [&](int info, int width, int height) {
    QByteArray b = "BM" + le32(0) + le32(0) + le32(14 + info) + le32(info);
    b += info == 12 ? le16(width) + le16(height) + le16(1) + le16(24)
                    : le32(width) + le32(height) + le16(1) + le16(24) + QByteArray(info - 16, '\0');
    return b + QByteArray(64, '\0');
  };
  QByteArray gif = "GIF89a" + le16(30000) + le16(30000) + QByteArray("\x80\0\0", 3);
  gif += QByteArray(6, '\0') + "," + le32(0) + le16(30000) + le16(30000) + QByteArray(4, '\0');
  const struct {
    const char* name;
    QByteArray bytes;
  } rows[] = {{"info.bmp", bmp(40, 30000, 30000)},
              {"top-down.bmp", bmp(40, 30000, -30000)}, // rows top first
              {"core.bmp", bmp(12, 30000, 30000)},
              {"v5.bmp", bmp(124, 30000, 30000)},
              {"wide.gif", gif}};
  for (const auto& row : rows) {
    WriteBytes(row.name, row.bytes);
    TextureImage image;
    std::string error;
    EXPECT_FALSE(ReadTextureImage(Path(row.name), 256, image, error)) << row.name;
    EXPECT_NE(error.find("larger than 16384 pixels a side"), std::string::npos) << error;
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

// A raw picture larger than its texture is shrunk while it is read (only the texture and a band
// of rows are held): the 16384 x 16384 picture of 768 MiB is read by a process that may take
// 64 MiB more address space than it had. Its top 64 rows are white, the rest black: the texture's
// top row is white, the others black. Read in a child process, which alone gets the limit.
TEST_F(TextureFile, AHugeRawPictureIsShrunkWhileItIsRead) {
  constexpr int32_t kSide = 16384;
  {
    QFile f(dir.filePath("huge.mot"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const int32_t sides[2] = {kSide, kSide}; // the test machine is little-endian
    f.write(reinterpret_cast<const char*>(sides), 8);
    const qint64 row = qint64{kSide} * 3;
    ASSERT_TRUE(f.resize(8 + row * (kSide - 64))); // black rows, a hole in the file
    ASSERT_TRUE(f.seek(8 + row * (kSide - 64)));
    ASSERT_EQ(f.write(QByteArray(static_cast<int>(row * 64), '\xff')), row * 64);
  }
  const std::string path = Path("huge.mot");
  const LimitedChildResult child = RunInLimitedChild(std::size_t{64} << 20, [&](std::string& report) {
    TextureImage image;
    if (!ReadTextureImage(path, 256, image, report)) return 4;
    if (image.Width != 256 || image.Height != 256) return 5;
    for (int32_t y = 0; y < 256; ++y)
      for (int32_t x = 0; x < 256; ++x)
        for (int c = 0; c < 3; ++c)
          if (image.Pixel(x, y)[c] != (y == 255 ? 255 : 0)) return 6;
    return 0;
  });
  ASSERT_TRUE(child.exited) << "the child was killed by signal " << child.signal;
  EXPECT_EQ(child.code, 0) << child.report;
}

// A raw picture larger than its texture gets the mean of the area each texel covers.
TEST_F(TextureFile, ARawPictureIsShrunkToTheMeanOfEachTexelsArea) {
  const int32_t w = 600, h = 300;
  std::vector<uint8_t> picture(static_cast<size_t>(w) * h * 3);
  for (size_t k = 0; k < picture.size(); ++k)
    picture[k] = static_cast<uint8_t>((k * 7 + k / 1800) & 0xFF);
  WriteRaw("wide.mot", w, h,
           QByteArray(reinterpret_cast<const char*>(picture.data()),
                      static_cast<qsizetype>(picture.size())));
  TextureImage image;
  std::string error;
  ASSERT_TRUE(ReadTextureImage(Path("wide.mot"), 256, image, error)) << error;
  ASSERT_EQ(image.Width, 256);
  ASSERT_EQ(image.Height, 256);
  const std::vector<double> want = AreaMean(picture, w, h, 256, 256); // rows bottom first, both
  int off = 0;
  for (size_t k = 0; k < want.size(); ++k)
    if (std::abs(image.Rgb[k] - want[k]) > 0.5 + 1e-9) ++off;
  EXPECT_EQ(off, 0);
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
