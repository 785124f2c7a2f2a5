#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "bridge/paths.h"

namespace fennick {
namespace {

TEST(JoinPath, OneBackslashBetweenParts) {
  EXPECT_EQ(JoinPath("C:\\Sim", "Content\\Routes.xml"), "C:\\Sim\\Content\\Routes.xml");
  EXPECT_EQ(JoinPath("C:\\Sim\\", "\\Content"), "C:\\Sim\\Content");
  EXPECT_EQ(JoinPath("/home/p/Sim", "content\\Routes"), "/home/p/Sim\\content\\Routes");
  EXPECT_EQ(JoinPath("D:\\", "RailSim.exe"), "D:\\RailSim.exe");  // a drive's root
  EXPECT_EQ(JoinPath("\\\\server\\games\\Sim", "serz.exe"), "\\\\server\\games\\Sim\\serz.exe");
}

TEST(LastPathElement, EitherSeparator) {
  EXPECT_EQ(LastPathElement("RailVehicles\\Freight\\Van\\van.xml"), "van.xml");
  EXPECT_EQ(LastPathElement("/a/b/c.bin"), "c.bin");
  EXPECT_EQ(LastPathElement("plain"), "plain");
}

#ifdef Q_OS_WIN
TEST(NativePath, WindowsKeepsDrivesAndServersAndMakesSeparatorsNative) {
  EXPECT_EQ(NativePath("C:/Sim\\content/Routes"), "C:\\Sim\\content\\Routes");
  EXPECT_EQ(NativePath("D:\\"), "D:\\");
  EXPECT_EQ(NativePath("//server/games/Sim\\serz.exe"), "\\\\server\\games\\Sim\\serz.exe");
  // A file reached by its drive-letter path with either separator.
  QTemporaryDir dir;
  QFile file(dir.filePath("Scenarios.bin"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  EXPECT_TRUE(
      QFileInfo::exists(NativePath(QDir::toNativeSeparators(dir.path()) + "/scenarios.BIN")));
}
#else
TEST(NativePath, ResolvesEveryExistingComponentWithoutRegardToCase) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir().mkpath(dir.filePath("Content/Routes/AbC-1/Scenarios")));
  QFile file(dir.filePath("Content/Routes/AbC-1/Scenarios.bin"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  struct Case {
    QString text;
    QString expected;
  };
  const QString root = dir.path();
  const std::vector<Case> cases = {
      {root + "\\content\\Routes\\abc-1\\scenarios.BIN",
       root + "/Content/Routes/AbC-1/Scenarios.bin"},
      {root + "\\Content\\Routes.xml", root + "/Content/Routes.xml"},  // not there: kept as given
      {root + "\\CONTENT\\routes\\ABC-1\\NewFolder\\Scenario.bin",
       root + "/Content/Routes/AbC-1/NewFolder/Scenario.bin"},
      {root + "/content/routes/abc-1", root + "/Content/Routes/AbC-1"},
  };
  for (const Case& c : cases) EXPECT_EQ(NativePath(c.text), c.expected) << c.text.toStdString();
}
#endif

}  // namespace
}  // namespace fennick
