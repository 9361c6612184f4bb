// The document file: framing, Windows-1252 text, the 32-bit length form, safe replacement.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "document/DocumentFile.h"

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values)
    s.push_back(static_cast<char>(v));
  return s;
}

std::string Slurp(const std::string& path) {
  QFile f(QString::fromStdString(path));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray a = f.readAll();
  return std::string(a.constData(), static_cast<size_t>(a.size()));
}

void Spit(const std::string& path, const std::string& bytes) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

TEST(DocumentFile, EmptyTwoDDocumentBytes) {
  const std::string text = "S91 0 0 2 1 1 1";
  EXPECT_EQ(DocumentFile::Encode(text), Bytes({8, 0, 15, 0}) + text);
}

TEST(DocumentFile, TextIsStoredInWindows1252) {
  // "é" is one byte (0xE9), the euro sign 0x80; the length counts bytes of the stored form.
  const std::string text = "S91 @caf\xC3\xA9 \xE2\x82\xAC@";
  const std::string bytes = DocumentFile::Encode(text);
  EXPECT_EQ(bytes, Bytes({8, 0, 12, 0}) + "S91 @caf\xE9 \x80@");
  std::string problem;
  EXPECT_EQ(DocumentFile::Decode(bytes, &problem).value(), text);
  // Read from a file the same, and a text of ASCII characters alone as it stands.
  QTemporaryDir dir;
  for (const std::string& written : {text, std::string("S91 0 0 1 1 1")}) {
    const std::string path = dir.filePath("doc.crv").toStdString();
    ASSERT_TRUE(DocumentFile::Write(path, written, &problem)) << problem;
    EXPECT_EQ(DocumentFile::Read(path, &problem).value(), written);
  }
}

TEST(DocumentFile, LengthFormsAtTheirBoundaries) {
  struct Row {
    size_t length;
    size_t headerSize;
  };
  // 16-bit lengths up to 65,534; 0xFFFF announces a 32-bit length that follows.
  for (Row row : {Row{0, 4}, Row{65534, 4}, Row{65535, 8}, Row{65536, 8}, Row{200000, 8}}) {
    const std::string text(row.length, 'x');
    const std::string bytes = DocumentFile::Encode(text);
    ASSERT_EQ(bytes.size(), row.headerSize + row.length) << row.length;
    EXPECT_EQ(bytes.substr(0, 2), Bytes({8, 0}));
    if (row.headerSize == 8) {
      EXPECT_EQ(bytes.substr(2, 2), Bytes({0xFF, 0xFF}));
      const uint32_t n = static_cast<uint32_t>(row.length);
      EXPECT_EQ(bytes.substr(4, 4),
                Bytes({int(n & 0xFF), int((n >> 8) & 0xFF), int((n >> 16) & 0xFF), int(n >> 24)}));
    } else {
      EXPECT_EQ(bytes.substr(2, 2), Bytes({int(row.length & 0xFF), int(row.length >> 8)}));
    }
    std::string problem;
    auto back = DocumentFile::Decode(bytes, &problem);
    ASSERT_TRUE(back.has_value()) << row.length << problem;
    EXPECT_EQ(*back, text);
  }
}

TEST(DocumentFile, BytesAfterTheTextAreIgnored) {
  std::string problem;
  EXPECT_EQ(DocumentFile::Decode(Bytes({8, 0, 3, 0}) + "S91 old tail", &problem).value(), "S91");
}

TEST(DocumentFile, ForeignAndShortFilesAreRefused) {
  const std::string rows[] = {
      "",
      Bytes({8}),
      Bytes({8, 0, 5}),
      Bytes({7, 0, 3, 0}) + "S91",                   // another type code
      Bytes({8, 0, 10, 0}) + "S91 0",                // fewer bytes than announced
      Bytes({8, 0, 0xFF, 0xFF, 1, 0}),               // 32-bit length cut short
      Bytes({8, 0, 0xFF, 0xFF, 0, 0, 1, 0}) + "S91", // 65,536 announced, 3 present
      "PK\x03\x04 a zip file",
  };
  for (const auto& bytes : rows) {
    std::string problem;
    EXPECT_FALSE(DocumentFile::Decode(bytes, &problem).has_value()) << bytes.size();
    EXPECT_FALSE(problem.empty());
  }
}

TEST(DocumentFile, WriteReplacesAWholeLongerFile) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("doc.crv").toStdString();
  Spit(path, Bytes({8, 0, 20, 0}) + "S91 0 0 2 1 1 1 and a long old tail");
  std::string problem;
  ASSERT_TRUE(DocumentFile::Write(path, "S92 0 0 1 1 1 1", &problem)) << problem;
  EXPECT_EQ(Slurp(path), Bytes({8, 0, 15, 0}) + "S92 0 0 1 1 1 1");
  EXPECT_EQ(DocumentFile::Read(path, &problem).value(), "S92 0 0 1 1 1 1");
  // No temporary file is left beside it.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(DocumentFile, FailedWriteLeavesTheOldFileAndSaysWhy) {
  QTemporaryDir dir;
  std::string problem;
  EXPECT_FALSE(
      DocumentFile::Write(dir.filePath("missing/dir/doc.crv").toStdString(), "S91 0", &problem));
  EXPECT_FALSE(problem.empty());

  // A target in a folder that cannot be written keeps its old content.
  const std::string path = dir.filePath("ro/doc.crv").toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkdir("ro"));
  Spit(path, Bytes({8, 0, 3, 0}) + "S91");
  QFile::setPermissions(dir.filePath("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (QFileInfo(dir.filePath("ro")).isWritable()) GTEST_SKIP() << "running with rights to write";
  problem.clear();
  EXPECT_FALSE(DocumentFile::Write(path, "S92 0 0 1 1 1 1", &problem));
  EXPECT_FALSE(problem.empty());
  EXPECT_EQ(Slurp(path), Bytes({8, 0, 3, 0}) + "S91");
  QFile::setPermissions(dir.filePath("ro"),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(DocumentFile, AWriteThatFailsMidwayLeavesTheOldFileByteForByte) {
  // A file size limit makes the system refuse the bytes beyond it, as a full disk does: the save
  // must fail, say why, and leave the old file (and no temporary file) behind.
  QTemporaryDir dir;
  const std::string path = dir.filePath("doc.crv").toStdString();
  const std::string old = DocumentFile::Encode("S91 0 0 2 1 1 1");
  Spit(path, old);
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  for (size_t length : {size_t(500), size_t(3000), size_t(100000)}) {
    struct rlimit small = saved;
    small.rlim_cur = 256;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string problem;
    const bool written = DocumentFile::Write(path, "S91 " + std::string(length, 'x'), &problem);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(written) << length;
    EXPECT_FALSE(problem.empty()) << length;
    EXPECT_EQ(Slurp(path), old) << length;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"doc.crv"}) << length;
  }
  std::signal(SIGXFSZ, previousHandler);
}

TEST(DocumentFile, OnlyRegularFilesAreRead) {
  QTemporaryDir dir;
  const std::string fifo = dir.filePath("pipe.crv").toStdString();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::string problem;
  EXPECT_FALSE(DocumentFile::Read(fifo, &problem)); // returns at once, nothing blocks
  EXPECT_EQ(problem, "it is not a regular file");
  EXPECT_FALSE(DocumentFile::Read(dir.path().toStdString(), &problem));
  EXPECT_EQ(problem, "it is a folder");
}

TEST(DocumentFile, ReadingMissingAndTruncatedFilesFails) {
  QTemporaryDir dir;
  std::string problem;
  EXPECT_FALSE(DocumentFile::Read(dir.filePath("none.crv").toStdString(), &problem));
  EXPECT_FALSE(problem.empty());
  const std::string path = dir.filePath("cut.crv").toStdString();
  const std::string whole = DocumentFile::Encode("S91 " + std::string(69996, 'y'));
  for (size_t cut : {size_t(0), size_t(3), size_t(7), size_t(69999 + 8)}) {
    Spit(path, whole.substr(0, cut));
    problem.clear();
    EXPECT_FALSE(DocumentFile::Read(path, &problem).has_value()) << cut;
    EXPECT_FALSE(problem.empty());
  }
  Spit(path, whole);
  EXPECT_EQ(DocumentFile::Read(path, &problem).value().size(), 70000u);
}

} // namespace
