#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "tests/support/sample_install.h"
#include "tests/support/tool_paths.h"

namespace fennick {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

// The stand-in converter in a program folder, documents in a folder with blanks in its name.
class ConverterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QDir().mkpath(program) && QDir().mkpath(docs));
    ASSERT_TRUE(QFile::copy(test::SerzStandIn(), program + "/serz.exe"));
    QFile::setPermissions(program + "/serz.exe", QFile::permissions(test::SerzStandIn()));
    qputenv("FENNICK_SERZ_LOG", log.toLocal8Bit());
    qunsetenv("FENNICK_SERZ_FAIL");
  }
  void TearDown() override {
    qunsetenv("FENNICK_SERZ_LOG");
    qunsetenv("FENNICK_SERZ_FAIL");
  }
  // Scenarios.bin holding this XML, made by the converter itself.
  void MakeBin(const QByteArray& xml) {
    ASSERT_TRUE(converter().MakeScratchFolder().ok());
    ASSERT_TRUE(WriteFileBytes(Scratch("seed.xml"), xml));
    ASSERT_TRUE(converter().XmlToBin("seed.xml", bin).ok());
    QFile::remove(Scratch("seed.xml"));
    QFile::remove(log);
  }
  Converter converter() const { return Converter(program, dir.filePath("no-simulator-here")); }
  QString Scratch(const QString& name) const { return NativePath(converter().ScratchPath(name)); }

  QTemporaryDir dir;
  const QString program = dir.filePath("Program Files/RS Fennick");
  const QString docs = dir.filePath("My Routes/Route 1"), bin = docs + "/Scenarios.bin";
  const QString log = dir.filePath("serz.log");
};

// Both ways byte for byte, both paths passed whole; a failed way back puts the document back.
TEST_F(ConverterTest, RoundTripIsByteExactAndAFailedReverseRunKeepsTheDocument) {
  const char raw[] = "<?xml version=\"1.0\"?>\r\n<cRecordSet>caf\xE9\0</cRecordSet>\r\n";
  const QByteArray xml(raw, sizeof raw - 1);
  MakeBin(xml);
  const QByteArray before = ReadFileBytes(bin);
  EXPECT_NE(before, xml);
  const auto text = converter().BinToXml(bin, "Scenarios.xml");
  ASSERT_TRUE(text.ok()) << text.error();
  EXPECT_EQ(QByteArray::fromStdString(*text), xml);
  const QString out = QDir::toNativeSeparators(Scratch("Scenarios.xml"));
  EXPECT_TRUE(out.startsWith(QDir::toNativeSeparators(program + "/TempFiles/")));
  EXPECT_EQ(QString::fromLocal8Bit(ReadFileBytes(log)), QDir::toNativeSeparators(bin) + "\txml:" + out + "\n");

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

// A failed run is an error with what the converter said (cut short), and leaves no stale output.
TEST_F(ConverterTest, FailedRunsAreErrorsWithWhatTheConverterSaid) {
  MakeBin("<fresh/>");
  const std::pair<const char*, const char*> cases[] = {
      {"exit", "(exit code 3): serz.exe: failing on request (FENNICK_SERZ_FAIL)"},
      {"silent", "serz.exe wrote no output for "},
      {"noisy", "(exit code 3): EEEE"},
      {"stdin", ""},  // a converter that reads its input finds none at once, and succeeds
  };
  for (const auto& [mode, said] : cases) {
    SCOPED_TRACE(mode);
    ASSERT_TRUE(WriteFileBytes(Scratch("Scenarios.xml"), "<stale/>"));
    qputenv("FENNICK_SERZ_FAIL", mode);
    const auto text = converter().BinToXml(bin, "Scenarios.xml");
    if (!*said) {
      EXPECT_EQ(text.ok() ? *text : text.error(), "<fresh/>");
      continue;
    }
    ASSERT_FALSE(text.ok());
    EXPECT_NE(text.error().find(said), std::string::npos) << text.error();
    EXPECT_LT(text.error().size(), 2500u) << "a flood of error output is cut short";
    EXPECT_FALSE(QFile::exists(Scratch("Scenarios.xml")));
  }
}

// serz.exe beside the program first, then in the simulator's folder; else the error names both.
TEST_F(ConverterTest, ConverterIsLookedForInTwoFolders) {
  MakeBin("<a/>");
  const QString sim = dir.filePath("Sim");
  ASSERT_TRUE(QDir().mkpath(sim) && QFile::rename(program + "/serz.exe", sim + "/serz.exe"));
  const auto found = Converter(program, sim).BinToXml(bin, "Scenarios.xml");
  ASSERT_TRUE(found.ok()) << found.error();
  EXPECT_EQ(*found, "<a/>");
  ASSERT_TRUE(QFile::remove(log));
  const auto missing = converter().BinToXml(bin, "Scenarios.xml");
  ASSERT_FALSE(missing.ok());
  EXPECT_TRUE(missing.error().starts_with("serz.exe was not found in ")) << missing.error();
  EXPECT_NE(missing.error().find(QDir::toNativeSeparators(program).toStdString()), std::string::npos);
  EXPECT_FALSE(converter().BinToXml(docs + "/Nothing.bin", "Scenarios.xml").ok());
  EXPECT_FALSE(QFile::exists(log)) << "no run for a missing document or converter";
}

}  // namespace
}  // namespace fennick
