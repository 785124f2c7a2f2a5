// Lays out the sample installation with the built tool: the same bytes every time, and every
// .bin unreadable until converted, then Windows-1252 text with CR LF line ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

#include "tests/support/sample_install.h"
#include "tests/support/tool_paths.h"
#include "tools/serz_format/binary_form.h"

namespace fennick {
namespace {

QStringList FilesBelow(const QString& folder, const QString& pattern) {
  QStringList files;
  QDirIterator it(folder, {pattern}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

int RunChild(const QString& program, const QStringList& arguments) {
  QProcess child;
  child.start(program, arguments);
  return child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit
             ? child.exitCode()
             : -1;
}

TEST(SampleInstallation, SameBytesEveryTimeAndEveryBinConvertsToTheSimulatorsText) {
  QTemporaryDir temp;
  const QString first = temp.filePath("Rail Simulator"), second = temp.filePath("again");
  ASSERT_EQ(RunChild(test::MakeSampleInstall(), {first}), 0);
  ASSERT_EQ(RunChild(test::MakeSampleInstall(), {second}), 0);
  const QStringList one = FilesBelow(first, "*"), other = FilesBelow(second, "*");
  ASSERT_EQ(one.size(), other.size());
  for (int i = 0; i < one.size(); ++i) {
    ASSERT_EQ(QDir(first).relativeFilePath(one[i]), QDir(second).relativeFilePath(other[i]));
    EXPECT_EQ(test::ReadFileBytes(one[i]), test::ReadFileBytes(other[i])) << one[i].toStdString();
  }
  for (const QString& bin : FilesBelow(first, "*.bin")) {
    SCOPED_TRACE(bin.toStdString());
    const QByteArray raw = test::ReadFileBytes(bin);
    EXPECT_TRUE(raw.startsWith(QByteArray::fromStdString(std::string(serz::kBinaryMagic))));
    EXPECT_FALSE(raw.contains("<?xml"));
    const QString out = temp.filePath("converted.xml");
    QFile::remove(out);
    ASSERT_EQ(RunChild(first + "/serz.exe", {bin, "xml:" + out}), 0);
    const std::string xml = test::ReadFileBytes(out).toStdString();
    EXPECT_TRUE(xml.starts_with("<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"));
    EXPECT_EQ(std::count(xml.begin(), xml.end(), '\n'), QByteArray::fromStdString(xml).count("\r\n"));
    EXPECT_EQ(xml.find('\xC3'), std::string::npos);  // é, ô, É written as UTF-8
  }
}

}  // namespace
}  // namespace fennick
