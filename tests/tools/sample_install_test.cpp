// Lays out the sample installation with the built tool: the same bytes every time, and every
// .bin unreadable until converted, then Windows-1252 text with CR LF line ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "tests/tools/tools_test_support.h"
#include "tools/serz_format/binary_form.h"

namespace fennick::testing {
namespace {

QStringList FilesBelow(const QString& folder, const QString& pattern) {
  QStringList files;
  QDirIterator it(folder, {pattern}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

TEST(SampleInstallation, SameBytesEveryTimeAndEveryBinConvertsToTheSimulatorsText) {
  QTemporaryDir temp;
  const QString first = temp.filePath("Rail Simulator"), second = temp.filePath("again");
  ASSERT_EQ(RunChild(kMakeSampleExe, {first}).exitCode, 0);
  ASSERT_EQ(RunChild(kMakeSampleExe, {second}).exitCode, 0);
  const QStringList one = FilesBelow(first, "*"), other = FilesBelow(second, "*");
  ASSERT_EQ(one.size(), other.size());
  for (int i = 0; i < one.size(); ++i) {
    ASSERT_EQ(QDir(first).relativeFilePath(one[i]), QDir(second).relativeFilePath(other[i]));
    EXPECT_EQ(ReadWholeFile(one[i]), ReadWholeFile(other[i])) << one[i].toStdString();
  }
  for (const QString& bin : FilesBelow(first, "*.bin")) {
    SCOPED_TRACE(bin.toStdString());
    const QByteArray raw = ReadWholeFile(bin);
    EXPECT_TRUE(raw.startsWith(QByteArray::fromStdString(std::string(serz::kBinaryMagic))));
    EXPECT_FALSE(raw.contains("<?xml"));
    const QString out = temp.filePath("converted.xml");
    QFile::remove(out);
    ASSERT_EQ(RunChild(first + "/serz.exe", {bin, "xml:" + out}).exitCode, 0);
    const std::string xml = ReadWholeFile(out).toStdString();
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"));
    EXPECT_EQ(CountOf(xml, "\n"), CountOf(xml, "\r\n"));
    EXPECT_EQ(xml.find('\xC3'), std::string::npos);  // é, ô, É written as UTF-8
  }
}

}  // namespace
}  // namespace fennick::testing
