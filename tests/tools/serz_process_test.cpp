// Runs the built serz.exe stand-in the way the program does: no shell, two arguments.
#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "child_process.h"
#include "tools/serz_format/binary_form.h"

namespace fennick::testing {
namespace {

const QString kSerz = QStringLiteral(FENNICK_SERZ_EXE);

QByteArray AsBytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

class SerzProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.remove("FENNICK_SERZ_FAIL");
    environment_.remove("FENNICK_SERZ_LOG");
  }

  QString Path(const QString& name) const { return temp_.filePath(name); }

  ChildResult Convert(const QString& input, const QString& output) {
    return RunChild(kSerz, {input, "xml:" + output}, environment_);
  }

  QTemporaryDir temp_;
  QProcessEnvironment environment_;
};

struct ContentCase {
  const char* name;
  QByteArray xml;
};

void PrintTo(const ContentCase& c, std::ostream* os) {
  *os << c.name;
}

class SerzRoundTrip : public SerzProgram, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(SerzRoundTrip, XmlToBinAndBackIsByteExact) {
  const QByteArray& xml = GetParam().xml;
  ASSERT_TRUE(WriteWholeFile(Path("in put.xml"), xml));

  const ChildResult toBin = Convert(Path("in put.xml"), Path("Scenario.bin"));
  ASSERT_TRUE(toBin.finished);
  ASSERT_EQ(toBin.exitCode, 0) << toBin.standardError.toStdString();
  const QByteArray bin = ReadWholeFile(Path("Scenario.bin"));
  EXPECT_TRUE(bin.startsWith(AsBytes(std::string(serz::kBinaryMagic))));

  const ChildResult toXml = Convert(Path("Scenario.bin"), Path("Scenario.xml"));
  ASSERT_EQ(toXml.exitCode, 0) << toXml.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(Path("Scenario.xml")), xml);

  const ChildResult binAgain = Convert(Path("Scenario.xml"), Path("again.bin"));
  ASSERT_EQ(binAgain.exitCode, 0);
  EXPECT_EQ(ReadWholeFile(Path("again.bin")), bin);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, SerzRoundTrip,
    ::testing::Values(
        ContentCase{"Empty", QByteArray()},
        ContentCase{"CrLf", QByteArray("<?xml version=\"1.0\"?>\r\n<cRecordSet/>\r\n")},
        ContentCase{"HighBytes", QByteArray("<English>C\xF4te d'\xC9meraude \x96 \x80</English>")},
        ContentCase{"LooksLikeMagic", QByteArray("SERZ\x00\xF3k<?xml version=\"1.0\"?>", 28)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SerzProgram, AcceptsTheWholeWindowsCommandLineAsOneArgument) {
  ASSERT_TRUE(WriteWholeFile(Path("a b.xml"), "<a/>\r\n"));
  const QString line = "\"" + Path("a b.xml") + "\" xml:\"" + Path("c d.bin") + "\"";
  const ChildResult run = RunChild(kSerz, {line}, environment_);
  ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(Path("c d.bin")), AsBytes(serz::EncodeToBinary("<a/>\r\n")));
}

struct FaultCase {
  const char* name;
  const char* setting;
  const char* inputName;
  int exitCode;
  bool writesOutput;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
  *os << c.name;
}

class SerzFault : public SerzProgram, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SerzFault, FailsOnlyAsAsked) {
  const FaultCase& c = GetParam();
  ASSERT_TRUE(WriteWholeFile(Path(c.inputName), "<a/>"));
  environment_.insert("FENNICK_SERZ_FAIL", c.setting);

  const ChildResult run = Convert(Path(c.inputName), Path("out.bin"));
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(QFile::exists(Path("out.bin")), c.writesOutput);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SerzFault,
    ::testing::Values(FaultCase{"Exit", "exit", "Scenario.xml", 3, false},
                      FaultCase{"Silent", "silent", "Scenario.xml", 0, false},
                      FaultCase{"ExitOnMatch", "exit:Scenario.xml", "Scenario.xml", 3, false},
                      FaultCase{"ExitSparesOthers", "exit:Scenario.xml", "Scenarios.xml", 0, true},
                      FaultCase{"SilentOnMatch", "silent:ios.x", "Scenarios.xml", 0, false},
                      FaultCase{"SilentSparesOthers", "silent:ios.x", "Scenario.xml", 0, true},
                      FaultCase{"Misspelt", "sometimes", "Scenario.xml", 2, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadInputCase {
  const char* name;
  void (*prepare)(const QString& inputPath);
};

void PrintTo(const BadInputCase& c, std::ostream* os) {
  *os << c.name;
}

class SerzBadInput : public SerzProgram, public ::testing::WithParamInterface<BadInputCase> {};

TEST_P(SerzBadInput, ExitsOneWithAMessageAndNoOutput) {
  const QString input = Path("input.bin");
  GetParam().prepare(input);
  const ChildResult run = Convert(input, Path("out.xml"));
  ASSERT_TRUE(run.finished);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.standardError.contains("serz.exe:"));
  EXPECT_FALSE(QFile::exists(Path("out.xml")));
}

INSTANTIATE_TEST_SUITE_P(Inputs, SerzBadInput,
                         ::testing::Values(BadInputCase{"Missing", [](const QString&) {}},
                                           BadInputCase{"AFolder",
                                                        [](const QString& p) { QDir().mkpath(p); }},
                                           BadInputCase{"DamagedBinary",
                                                        [](const QString& p) {
                                                          std::string bin =
                                                              serz::EncodeToBinary("<a>text</a>");
                                                          bin.pop_back();
                                                          WriteWholeFile(p, AsBytes(bin));
                                                        }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SerzProgram, UnwritableOutputLeavesNothingAndExitsOne) {
  ASSERT_TRUE(WriteWholeFile(Path("in.xml"), "<a/>"));
  const ChildResult run = Convert(Path("in.xml"), Path("no such folder/out.bin"));
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_FALSE(QFile::exists(Path("no such folder/out.bin")));
}

TEST_F(SerzProgram, MalformedCommandLineExitsTwoWithUsage) {
  const ChildResult run = RunChild(kSerz, {Path("in.xml"), Path("out.bin")}, environment_);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_TRUE(run.standardError.contains("usage: serz.exe"));
}

TEST_F(SerzProgram, LogsEveryRunWithItsArgumentsAsReceived) {
  ASSERT_TRUE(WriteWholeFile(Path("in.xml"), "<a/>"));
  environment_.insert("FENNICK_SERZ_LOG", Path("serz.log"));
  Convert(Path("in.xml"), Path("out.bin"));
  environment_.insert("FENNICK_SERZ_FAIL", "exit");
  RunChild(kSerz, {"\"" + Path("in.xml") + "\" xml:\"" + Path("x.bin") + "\""}, environment_);

  const QByteArray expected = (Path("in.xml") + "\txml:" + Path("out.bin") + "\n" + "\"" +
                               Path("in.xml") + "\" xml:\"" + Path("x.bin") + "\"\n")
                                  .toUtf8();
  EXPECT_EQ(ReadWholeFile(Path("serz.log")), expected);
}

}  // namespace
}  // namespace fennick::testing
