#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "bridge/serz_command.h"
#include "tests/support/sample_install.h"
#include "tests/support/tool_paths.h"

namespace fennick {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

// A program folder with the stand-in converter in it, and a document folder whose name has
// blanks in it.
class ConverterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    program = dir.filePath("Program Files/RS Fennick");
    docs = dir.filePath("My Routes/Route 1");
    ASSERT_TRUE(QDir().mkpath(program));
    ASSERT_TRUE(QDir().mkpath(docs));
    ASSERT_TRUE(QFile::copy(test::SerzStandIn(), program + "/serz.exe"));
    QFile::setPermissions(program + "/serz.exe", QFile::permissions(test::SerzStandIn()));
    log = dir.filePath("serz.log");
    qputenv("FENNICK_SERZ_LOG", log.toLocal8Bit());
    qunsetenv("FENNICK_SERZ_FAIL");
  }
  void TearDown() override {
    qunsetenv("FENNICK_SERZ_LOG");
    qunsetenv("FENNICK_SERZ_FAIL");
  }
  // An XML file turned into the converter's binary form, through the converter itself.
  QString MakeBin(const QByteArray& xml) {
    EXPECT_TRUE(converter().MakeScratchFolder().ok());
    EXPECT_TRUE(WriteFileBytes(Scratch("seed.xml"), xml));
    const QString bin = docs + "/Scenarios.bin";
    EXPECT_TRUE(converter().XmlToBin("seed.xml", bin).ok());
    QFile::remove(Scratch("seed.xml"));
    QFile::remove(log);
    return bin;
  }
  Converter converter() const { return Converter(program, dir.filePath("no-simulator-here")); }
  QString Scratch(const QString& name) const { return NativePath(converter().ScratchPath(name)); }

  QTemporaryDir dir;
  QString program, docs, log;
};

TEST(SerzCommandText, ExactFormWithQuotedPaths) {
  EXPECT_EQ(
      SerzCommand("C:\\Fennick\\TempFiles\\Scenarios.xml", "C:\\Sim\\Content\\R 1\\Scenarios.bin"),
      "serz.exe \"C:\\Fennick\\TempFiles\\Scenarios.xml\" xml:\"C:\\Sim\\Content\\R "
      "1\\Scenarios.bin\"");
  EXPECT_EQ(SerzArguments("a b.bin", "c d.xml"), QStringList({"a b.bin", "xml:c d.xml"}));
}

TEST_F(ConverterTest, RoundTripThroughTheConverterIsByteExact) {
  const QByteArray xml(
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<cRecordSet>caf\xE9</cRecordSet>\r\n");
  const QString bin = MakeBin(xml);
  EXPECT_NE(ReadFileBytes(bin), xml);
  const auto text = converter().BinToXml(bin, "Scenarios.xml");
  ASSERT_TRUE(text.ok()) << text.error();
  EXPECT_EQ(QByteArray::fromStdString(*text), xml);
}

TEST_F(ConverterTest, PassesBothPathsWholeWithTheXmlPrefix) {
  const QString bin = MakeBin("<a/>");
  const QString commands = dir.filePath("commands.log");
  qputenv("FENNICK_SERZ_COMMAND_LOG", commands.toLocal8Bit());
  ASSERT_TRUE(converter().BinToXml(bin, "Scenarios.xml").ok());
  qunsetenv("FENNICK_SERZ_COMMAND_LOG");
  const QList<QByteArray> lines = ReadFileBytes(log).split('\n');
  ASSERT_GE(lines.size(), 1);
  const QList<QByteArray> args = lines[0].split('\t');
  ASSERT_EQ(args.size(), 2) << lines[0].toStdString();
  const QString in = QDir::toNativeSeparators(QDir(docs).filePath("Scenarios.bin"));
  const QString out = QDir::toNativeSeparators(Scratch("Scenarios.xml"));
  EXPECT_EQ(QString::fromLocal8Bit(args[0]), in);
  EXPECT_EQ(QString::fromLocal8Bit(args[1]), "xml:" + out);
  EXPECT_TRUE(out.startsWith(QDir::toNativeSeparators(program + "/TempFiles/")))
      << out.toStdString();
#ifdef Q_OS_WIN
  // The converter's own form, "in" xml:"out", not a quoting of two arguments.
  const QString line = QString::fromUtf8(ReadFileBytes(commands)).trimmed();
  EXPECT_TRUE(line.endsWith(" \"" + in + "\" xml:\"" + out + '"')) << line.toStdString();
#endif
}

TEST_F(ConverterTest, FailedRunsAreErrorsWithWhatTheConverterSaid) {
  const QString bin = MakeBin("<fresh/>");
  const struct {
    const char* mode;
    const char* said;  // found in the message; empty: the run succeeds
  } cases[] = {
      {"exit", "(exit code 3): serz.exe: failing on request (FENNICK_SERZ_FAIL)"},
      {"silent", "serz.exe wrote no output for "},
      {"noisy", "(exit code 3): EEEE"},
      {"stdin", ""},  // a converter that reads its input finds none at once
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mode);
    ASSERT_TRUE(WriteFileBytes(Scratch("Scenarios.xml"), "<stale/>"));
    qputenv("FENNICK_SERZ_FAIL", c.mode);
    const auto text = converter().BinToXml(bin, "Scenarios.xml");
    if (!*c.said) {
      ASSERT_TRUE(text.ok()) << text.error();
      EXPECT_EQ(*text, "<fresh/>");
      continue;
    }
    ASSERT_FALSE(text.ok());
    EXPECT_NE(text.error().find(c.said), std::string::npos) << text.error();
    EXPECT_LT(text.error().size(), 2500u) << "a flood of error output is cut short";
    EXPECT_FALSE(QFile::exists(Scratch("Scenarios.xml")));
  }
}

TEST_F(ConverterTest, FailedReverseRunPutsThePreviousDocumentBack) {
  const QString bin = MakeBin("<old/>");
  const QByteArray before = ReadFileBytes(bin);
  ASSERT_TRUE(WriteFileBytes(Scratch("Scenarios.xml"), "<new/>"));
  for (const char* mode : {"exit", "silent"}) {
    qputenv("FENNICK_SERZ_FAIL", mode);
    EXPECT_FALSE(converter().XmlToBin("Scenarios.xml", bin).ok()) << mode;
    EXPECT_EQ(ReadFileBytes(bin), before) << mode;
  }
  qunsetenv("FENNICK_SERZ_FAIL");
  ASSERT_TRUE(converter().XmlToBin("Scenarios.xml", bin).ok());
  EXPECT_EQ(test::DecodeBin(bin), "<new/>");
  EXPECT_EQ(QDir(docs).entryList(QDir::Files), QStringList({"Scenarios.bin"}));
}

TEST_F(ConverterTest, MissingConverterNamesWhereItLooked) {
  const QString bin = MakeBin("<a/>");
  QFile::remove(program + "/serz.exe");
  const auto text = converter().BinToXml(bin, "Scenarios.xml");
  ASSERT_FALSE(text.ok());
  EXPECT_EQ(text.error().rfind("serz.exe was not found in ", 0), 0u) << text.error();
  EXPECT_NE(text.error().find(QDir::toNativeSeparators(program).toStdString()), std::string::npos);
}

TEST_F(ConverterTest, ConverterInTheSimulatorFolderIsFoundSecond) {
  const QString bin = MakeBin("<a/>");
  const QString sim = dir.filePath("Sim");
  QDir().mkpath(sim);
  ASSERT_TRUE(QFile::rename(program + "/serz.exe", sim + "/serz.exe"));
  const auto text = Converter(program, sim).BinToXml(bin, "Scenarios.xml");
  ASSERT_TRUE(text.ok()) << text.error();
  EXPECT_EQ(*text, "<a/>");
}

TEST_F(ConverterTest, MissingDocumentIsAnErrorWithoutRunningTheConverter) {
  const auto text = converter().BinToXml(docs + "/Nothing.bin", "Scenarios.xml");
  ASSERT_FALSE(text.ok());
  EXPECT_FALSE(QFile::exists(log));
}

}  // namespace
}  // namespace fennick
