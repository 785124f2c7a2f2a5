#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bridge/file_utils.h"
#include "tests/support/sample_install.h"

namespace fennick {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class FileUtils : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(dir.filePath("Folder")));
    ASSERT_TRUE(WriteFileBytes(dir.filePath("Folder/File.bin"), "bytes"));
  }
  QString P(const QString& rel) const { return dir.filePath(rel); }
  QTemporaryDir dir;
};

TEST_F(FileUtils, FileExistsOnlyForReadableFiles) {
  EXPECT_TRUE(FileExists(P("Folder/File.bin")));
  EXPECT_TRUE(FileExists(P("folder\\file.BIN")));
  EXPECT_FALSE(FileExists(P("Folder")));
  EXPECT_FALSE(FileExists(P("Folder/None.bin")));
  EXPECT_FALSE(FileExists(""));
}

TEST_F(FileUtils, FolderExistsDropsTrailingBackslash) {
  QString withSlash = P("Folder") + "\\";
  EXPECT_TRUE(FolderExists(withSlash));
  EXPECT_EQ(withSlash, P("Folder"));
  QString file = P("Folder/File.bin");
  EXPECT_FALSE(FolderExists(file));
  QString none = P("Nothing");
  EXPECT_FALSE(FolderExists(none));
}

TEST_F(FileUtils, ReadTextFileKeepsTextWhenFileMissing) {
  std::string text = "previous";
  EXPECT_FALSE(ReadTextFile(P("none.xml"), text).ok());
  EXPECT_EQ(text, "previous");
  ASSERT_TRUE(WriteFileBytes(P("bytes.xml"), QByteArray("a\xE9\r\n\0b", 6)));
  ASSERT_TRUE(ReadTextFile(P("bytes.xml"), text).ok());
  EXPECT_EQ(text, std::string("a\xE9\r\n\0b", 6));
  ASSERT_TRUE(WriteFileBytes(P("empty.xml"), ""));
  ASSERT_TRUE(ReadTextFile(P("empty.xml"), text).ok());
  EXPECT_EQ(text, "");
}

TEST_F(FileUtils, DeleteFolderTreeIgnoresMissingFolders) {
  DeleteFolderTree(P("Nothing"));
  DeleteFolderTree(P("Folder"));
  EXPECT_FALSE(QDir(P("Folder")).exists());
}

TEST_F(FileUtils, CopyReplacesOnlyWhenTheSourceCanBeRead) {
  ASSERT_TRUE(WriteFileBytes(P("target.xml"), "keep me"));
  EXPECT_FALSE(CopyFileReplacing(P("missing.xml"), P("target.xml")).ok());
  EXPECT_EQ(ReadFileBytes(P("target.xml")), "keep me");
  ASSERT_TRUE(CopyFileReplacing(P("Folder/File.bin"), P("target.xml")).ok());
  EXPECT_EQ(ReadFileBytes(P("target.xml")), "bytes");
}

}  // namespace
}  // namespace fennick
