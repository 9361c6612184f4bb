// The BMP snapshot of a small view: the file's bytes against the view's pixels, a width beyond
// the view cut to it, a file replaced whole, and failures that leave the old file as it was.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <GL/gl.h>

#include <vector>

#include "support/GlTestContext.h"
#include "view/scene/BmpSnapshot.h"

namespace {

std::vector<uint8_t> FileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray b = f.readAll();
  return std::vector<uint8_t>(b.begin(), b.end());
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A 7 x 5 view: red at the lower-left pixel, green at the upper-right, blue elsewhere in the
// bottom row, grey above.
class BmpViewTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(ctx.Valid());
    ASSERT_TRUE(dir.isValid());
    glEnable(GL_SCISSOR_TEST);
    auto fill = [](int x, int y, int w, int h, float r, float g, float b) {
      glScissor(x, y, w, h);
      glClearColor(r, g, b, 1);
      glClear(GL_COLOR_BUFFER_BIT);
    };
    fill(0, 0, 7, 5, 0.5f, 0.5f, 0.5f);
    fill(0, 0, 7, 1, 0, 0, 1);
    fill(0, 0, 1, 1, 1, 0, 0);
    fill(6, 4, 1, 1, 0, 1, 0);
    glDisable(GL_SCISSOR_TEST);
    glFinish();
  }
  GlTestContext ctx{7, 5};
  QTemporaryDir dir;
};

TEST_F(BmpViewTest, FileHoldsTheViewsPixelsBottomRowFirst) {
  const QString path = dir.filePath("view.bmp");
  ASSERT_TRUE(SaveViewAsBmp(path.toStdString(), 6, 5));
  const auto bytes = FileBytes(path);
  const size_t row = 24; // 7 * 3 = 21, padded to 24
  ASSERT_EQ(bytes.size(), 54 + row * 5);
  EXPECT_EQ(bytes[18], 7);
  EXPECT_EQ(bytes[22], 5);
  // Lower-left pixel pure red: blue, green, red = 0, 0, 255.
  EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 54, bytes.begin() + 57)),
            (std::vector<uint8_t>{0, 0, 255}));
  EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + 57, bytes.begin() + 60)),
            (std::vector<uint8_t>{255, 0, 0}));
  // Upper-right pixel green; the padding is zeros.
  const size_t top = 54 + row * 4;
  EXPECT_EQ((std::vector<uint8_t>(bytes.begin() + top + 18, bytes.begin() + top + 21)),
            (std::vector<uint8_t>{0, 255, 0}));
  for (size_t p = 21; p < row; ++p)
    EXPECT_EQ(bytes[top + p], 0);
  // The whole file equals the encoding of the view's read-back pixels.
  std::vector<uint8_t> rgb(7 * 5 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 7, 5, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  EXPECT_EQ(bytes, EncodeBmp24(7, 5, rgb));
}

TEST_F(BmpViewTest, SizesBeyondTheViewAreCutToIt) {
  const QString path = dir.filePath("wide.bmp");
  ASSERT_TRUE(SaveViewAsBmp(path.toStdString(), 7, 9)); // 8 x 9 asked of a 7 x 5 view
  const auto bytes = FileBytes(path);
  EXPECT_EQ(bytes.size(), 54u + 24 * 5);
  EXPECT_EQ(bytes[18], 7);
  EXPECT_EQ(bytes[22], 5);
  // A smaller area is the lower-left part of the view.
  ASSERT_TRUE(SaveViewAsBmp(path.toStdString(), 2, 2));
  const auto small = FileBytes(path);
  EXPECT_EQ(small.size(), 54u + 12 * 2);
  EXPECT_EQ(small[56], 255);
}

TEST_F(BmpViewTest, AnExistingFileIsReplacedWholeAndKeptOnFailure) {
  const QString path = dir.filePath("old.bmp");
  const QByteArray old(5000, 'x');
  WriteFile(path, old);
  // Failures: no pixels to write; a folder that does not exist.
  std::string problem;
  EXPECT_FALSE(SaveViewAsBmp(path.toStdString(), -1, 5, &problem));
  EXPECT_EQ(problem, "the view has no pixels to save");
  EXPECT_FALSE(SaveViewAsBmp(path.toStdString(), 6, 0));
  EXPECT_EQ(FileBytes(path).size(), 5000u);
  // A file that cannot be written says the system's reason.
  problem.clear();
  EXPECT_FALSE(SaveViewAsBmp(dir.filePath("no/such/folder/x.bmp").toStdString(), 6, 5, &problem));
  EXPECT_EQ(problem, "No such file or directory");
  // Success replaces it completely.
  ASSERT_TRUE(SaveViewAsBmp(path.toStdString(), 6, 5));
  const auto bytes = FileBytes(path);
  EXPECT_EQ(bytes.size(), 54u + 24 * 5);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1); // no temporary file left
}

} // namespace
