// The bitmap file object: BMP files load with their headers, colour tables and pixels and write
// back byte for byte; writing replaces the whole file and reports failures; files that are not
// bitmaps, or whose headers point outside the file, are refused with a message and leave the
// object as it was; packed bitmaps below 16 bits per pixel are refused.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Prompter.h"
#include "platform/BmpFile.h"

namespace {

void Put(std::vector<uint8_t>& b, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// A BMP file of width x height at `bits` per pixel with `colors` palette entries; pixel byte i
// holds i mod 251.
std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, int bits, uint32_t colors) {
  const uint32_t row = (static_cast<uint32_t>(width) * bits + 31) / 32 * 4;
  const uint32_t image = row * static_cast<uint32_t>(height);
  const uint32_t offset = 54 + 4 * colors;
  std::vector<uint8_t> b(offset + image, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 2, static_cast<uint32_t>(b.size()), 4);
  Put(b, 10, offset, 4);
  Put(b, 14, 40, 4);
  Put(b, 18, static_cast<uint32_t>(width), 4);
  Put(b, 22, static_cast<uint32_t>(height), 4);
  Put(b, 26, 1, 2);
  Put(b, 28, static_cast<uint32_t>(bits), 2);
  Put(b, 34, image, 4);
  Put(b, 46, colors, 4);
  for (uint32_t i = 0; i < 4 * colors; ++i)
    b[54 + i] = static_cast<uint8_t>(i * 7);
  for (uint32_t i = 0; i < image; ++i)
    b[offset + i] = static_cast<uint8_t>(i % 251);
  return b;
}

class BmpFileTest : public ::testing::Test {
protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
    QFile f(QString::fromStdString(path));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return path;
  }
  static std::vector<uint8_t> Read(const std::string& path) {
    QFile f(QString::fromStdString(path));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray a = f.readAll();
    return std::vector<uint8_t>(a.begin(), a.end());
  }
  QTemporaryDir dir;
  ScopedScriptedDialogs dialogs;
};

TEST_F(BmpFileTest, LoadsHeadersColourTableAndPixelsAndWritesThemBackByteForByte) {
  struct Case {
    int32_t width, height;
    int bits;
    uint32_t colors;
    int32_t infoSize;
  };
  for (const Case& c : {Case{5, 3, 24, 0, 40}, Case{7, 4, 8, 256, 1064}, Case{3, 2, 32, 0, 40}}) {
    SCOPED_TRACE(c.bits);
    const std::vector<uint8_t> bytes = MakeBmp(c.width, c.height, c.bits, c.colors);
    const std::string path = Write("in.bmp", bytes);
    BmpFile dib;
    ASSERT_TRUE(dib.CreateFromFile(path));
    EXPECT_EQ(dib.Width(), c.width);
    EXPECT_EQ(dib.Height(), c.height);
    EXPECT_EQ(dib.BitCount(), c.bits);
    EXPECT_EQ(dib.SizeBitmapInfo(), c.infoSize);
    EXPECT_EQ(dib.BitOffset(), 14 + c.infoSize);
    EXPECT_EQ(dib.FileType(), 0x4D42);
    ASSERT_NE(dib.PointerToBits(), nullptr);
    EXPECT_EQ(0, std::memcmp(dib.PointerToBits(), bytes.data() + dib.BitOffset(),
                             static_cast<size_t>(dib.SizeImage())));
    EXPECT_EQ(0, std::memcmp(dib.PointerToBitmapInfo(), bytes.data() + 14, 40));

    const std::string out = dir.filePath("out.bmp").toStdString();
    ASSERT_TRUE(dib.WriteToFile(out));
    EXPECT_EQ(Read(out), bytes);
  }
  EXPECT_TRUE(dialogs.prompter.shown.empty());
}

TEST_F(BmpFileTest, WritingReplacesALongerFileWholeAndReportsAFolderThatDoesNotExist) {
  BmpFile dib;
  ASSERT_TRUE(dib.CreateFromFile(Write("small.bmp", MakeBmp(2, 2, 24, 0))));
  const std::string target = Write("big.bmp", std::vector<uint8_t>(5000, 0xAB));
  ASSERT_TRUE(dib.WriteToFile(target));
  EXPECT_EQ(Read(target), MakeBmp(2, 2, 24, 0));

  EXPECT_FALSE(dib.WriteToFile(dir.filePath("no/such/folder/x.bmp").toStdString()));
  EXPECT_FALSE(dib.LastError().empty());
}

TEST_F(BmpFileTest, RefusesFilesThatAreNoBitmapOrWhoseHeadersPointOutsideTheFile) {
  BmpFile dib;
  ASSERT_TRUE(dib.CreateFromFile(Write("good.bmp", MakeBmp(4, 3, 24, 0))));

  std::vector<uint8_t> offsetPastEnd = MakeBmp(4, 3, 24, 0);
  Put(offsetPastEnd, 10, 100000, 4);
  std::vector<uint8_t> imageTooLarge = MakeBmp(4, 3, 24, 0);
  Put(imageTooLarge, 34, 0x7FFFFFF0u, 4);
  std::vector<uint8_t> offsetInsideHeader = MakeBmp(4, 3, 24, 0);
  Put(offsetInsideHeader, 10, 20, 4);
  std::vector<uint8_t> truncated = MakeBmp(4, 3, 24, 0);
  truncated.resize(truncated.size() - 5);
  const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o', '\n'};
  const std::vector<uint8_t> shortHeader = {'B', 'M', 1, 2, 3};

  const std::string bad = "File is not a supported bitmap format:\n";
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  for (const Case& c : {Case{"offset.bmp", offsetPastEnd}, Case{"image.bmp", imageTooLarge},
                        Case{"inside.bmp", offsetInsideHeader}, Case{"cut.bmp", truncated},
                        Case{"text.bmp", text}, Case{"short.bmp", shortHeader}}) {
    SCOPED_TRACE(c.name);
    dialogs.prompter.shown.clear();
    const std::string path = Write(c.name, c.bytes);
    EXPECT_FALSE(dib.CreateFromFile(path));
    ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
    EXPECT_EQ(dialogs.prompter.shown[0].text, bad + path);
    EXPECT_EQ(dialogs.prompter.shown[0].title, "Corvalin");
    EXPECT_EQ(dib.Width(), 4); // the earlier bitmap is kept
    EXPECT_EQ(dib.SizeImage(), 12 * 3);
  }

  dialogs.prompter.shown.clear();
  const std::string missing = dir.filePath("missing.bmp").toStdString();
  EXPECT_FALSE(dib.CreateFromFile(missing));
  ASSERT_EQ(dialogs.prompter.shown.size(), 1u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "File does not exist:\n" + missing);
  EXPECT_EQ(dialogs.prompter.shown[0].icon, MsgIcon::Critical);
}

TEST_F(BmpFileTest, AnUncompressedBitmapWithoutAPixelSizeIsReadByItsDimensions) {
  std::vector<uint8_t> bytes = MakeBmp(5, 3, 24, 0);
  Put(bytes, 34, 0, 4);
  BmpFile dib;
  ASSERT_TRUE(dib.CreateFromFile(Write("nosize.bmp", bytes)));
  EXPECT_EQ(dib.SizeImage(), 16 * 3);
}

TEST_F(BmpFileTest, PackedBitmapsOfSixteenBitsOrMoreAreTakenAndOthersRefused) {
  const std::vector<uint8_t> file24 = MakeBmp(3, 2, 24, 0);
  BmpFile dib;
  ASSERT_TRUE(dib.CreateFromPackedDIBPointer(file24.data() + 14, file24.size() - 14));
  EXPECT_EQ(dib.BitOffset(), 54);
  EXPECT_EQ(dib.SizeFileHeader(), static_cast<int32_t>(file24.size()));
  const std::string out = dir.filePath("packed.bmp").toStdString();
  ASSERT_TRUE(dib.WriteToFile(out));
  EXPECT_EQ(Read(out), file24);

  const std::vector<uint8_t> file8 = MakeBmp(3, 2, 8, 0);
  EXPECT_FALSE(dib.CreateFromPackedDIBPointer(file8.data() + 14, file8.size() - 14));
  EXPECT_EQ(dib.SizeBitmapInfo(), 40);
  EXPECT_EQ(0, std::memcmp(dib.PointerToBits(), file24.data() + 54, 12));
  // A packed bitmap shorter than its header says is refused too.
  EXPECT_FALSE(dib.CreateFromPackedDIBPointer(file24.data() + 14, 45));
}

} // namespace
