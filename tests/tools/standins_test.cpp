// The stand-in converter and launch recorders, mostly run as built the way the program starts
// them: no shell, arguments as given.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/tools/tools_test_support.h"
#include "tools/sample_install/route_documents.h"
#include "tools/serz/serz_arguments.h"
#include "tools/serz_format/binary_form.h"

namespace fennick::testing {
namespace {

class SerzProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    environment_.remove("FENNICK_SERZ_FAIL");
    environment_.remove("FENNICK_SERZ_LOG");
  }

  QString Path(const QString& name) const { return temp_.filePath(name); }

  ChildResult Convert(const QString& input, const QString& output) {
    return RunChild(kSerzExe, {input, "xml:" + output}, environment_);
  }

  QTemporaryDir temp_;
  QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
};

TEST_F(SerzProgram, XmlToBinAndBackIsByteExactAndTheBinHidesTheXml) {
  QByteArray everyByte;
  for (int i = 0; i < 256; ++i) everyByte.append(static_cast<char>(i));
  // Routes.xml passes the scrambling key's 256-byte cycle and holds the code page's high bytes.
  const QByteArray contents[] = {
      QByteArray(), everyByte, QByteArray::fromStdString(sample::RoutesXml(sample::SampleRoutes())),
      QByteArray("SERZ\x00\xF3k<?xml version=\"1.0\"?>", 28)};
  for (std::size_t i = 0; i < std::size(contents); ++i) {
    SCOPED_TRACE(i);
    const QString name = Path(QString("in put %1").arg(i));
    ASSERT_TRUE(WriteWholeFile(name + ".xml", contents[i]));
    ASSERT_EQ(Convert(name + ".xml", name + ".bin").exitCode, 0);
    const QByteArray bin = ReadWholeFile(name + ".bin");
    EXPECT_TRUE(bin.startsWith(QByteArray::fromStdString(std::string(serz::kBinaryMagic))));
    for (const char* visible : {"<?xml", "cRecordSet", "DevString", "English", "d:type"}) {
      EXPECT_FALSE(bin.contains(visible)) << visible;
    }

    ASSERT_EQ(Convert(name + ".bin", name + " back.xml").exitCode, 0);
    EXPECT_EQ(ReadWholeFile(name + " back.xml"), contents[i]);
    ASSERT_EQ(Convert(name + " back.xml", name + " again.bin").exitCode, 0);
    EXPECT_EQ(ReadWholeFile(name + " again.bin"), bin);
  }
}

TEST_F(SerzProgram, FailsOnRequestOnlyForTheInputsNamed) {
  // FENNICK_SERZ_FAIL, input, exit status, whether the output is written.
  const std::tuple<const char*, const char*, int, bool> cases[] = {
      {"", "Scenario.xml", 0, true},
      {"exit", "Scenario.xml", 3, false},
      {"silent", "Scenario.xml", 0, false},
      {"noisy", "Scenario.xml", 3, false},
      {"exit:Scenario.xml", "Scenario.xml", 3, false},
      {"exit:Scenario.xml", "Scenarios.xml", 0, true},
      {"silent:ios.x", "Scenarios.xml", 0, false},
      {"silent:ios.x", "Scenario.xml", 0, true},
      {"silent:IOS.X", "Scenarios.xml", 0, true},  // the text must match exactly
      {"exit:", "Scenarios.xml", 3, false},
      {"sometimes", "Scenario.xml", 2, false},  // misspelt: never a silent pass
  };
  ASSERT_TRUE(WriteWholeFile(Path("Scenario.xml"), "<a/>"));
  ASSERT_TRUE(WriteWholeFile(Path("Scenarios.xml"), "<a/>"));
  int run = 0;
  for (const auto& [setting, input, exitCode, writesOutput] : cases) {
    SCOPED_TRACE(std::string(setting) + " on " + input);
    environment_.insert("FENNICK_SERZ_FAIL", setting);
    const QString output = Path(QString("out%1.bin").arg(++run));
    EXPECT_EQ(Convert(Path(input), output).exitCode, exitCode);
    EXPECT_EQ(QFile::exists(output), writesOutput);
  }
}

TEST_F(SerzProgram, BadInputOrOutputExitsOneWithAMessageAndWritesNothing) {
  const std::string good = serz::EncodeToBinary("<a>some text</a>");
  std::string changed = good;
  changed[serz::kBinaryHeaderSize + 4] ^= 1;
  ASSERT_TRUE(QDir().mkpath(Path("a folder.bin")));
  // Input, its bytes (none: not written), output.
  const std::tuple<const char*, std::optional<std::string>, const char*> cases[] = {
      {"header cut.bin", good.substr(0, 12), "out.xml"},
      {"body cut.bin", good.substr(0, good.size() - 3), "out.xml"},
      {"changed.bin", changed, "out.xml"},
      {"missing.bin", std::nullopt, "out.xml"},
      {"a folder.bin", std::nullopt, "out.xml"},
      {"in.xml", "<a/>", "no such folder/out.bin"}};
  for (const auto& [input, bytes, output] : cases) {
    SCOPED_TRACE(input);
    if (bytes) {
      ASSERT_TRUE(WriteWholeFile(Path(input), QByteArray::fromStdString(*bytes)));
    }
    const ChildResult run = Convert(Path(input), Path(output));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardError.startsWith("serz.exe: ")) << run.standardError.toStdString();
    EXPECT_FALSE(QFile::exists(Path(output)));
  }
}

TEST(SerzArguments, AcceptsSeparateArgumentsAndAWholeWindowsLine) {
  // Arguments, input path, output path.
  const std::tuple<std::vector<std::string>, std::string, std::string> cases[] = {
      {{"/my sim/a b.bin", "xml:/temp files/a b.xml"}, "/my sim/a b.bin", "/temp files/a b.xml"},
      {{"\"/sim/in.bin\"", "xml:\"/tmp/out.xml\""}, "/sim/in.bin", "/tmp/out.xml"},
      {{"in.bin", "XML:out.xml"}, "in.bin", "out.xml"},
      {{R"("C:\Rail Sim\TempFiles\Scenarios.xml" xml:"C:\Rail Sim\Scenarios.bin")"},
       R"(C:\Rail Sim\TempFiles\Scenarios.xml)",
       R"(C:\Rail Sim\Scenarios.bin)"},
      {{R"(serz.exe "in.bin" xml:"out.xml")"}, "in.bin", "out.xml"},
      {{"in.bin xml:out.xml"}, "in.bin", "out.xml"},
  };
  for (const auto& [arguments, input, output] : cases) {
    const serz::ParsedArguments parsed = serz::ParseSerzArguments(arguments);
    ASSERT_TRUE(parsed.ok()) << input << ": " << parsed.error;
    EXPECT_EQ(parsed.paths.inputPath, input);
    EXPECT_EQ(parsed.paths.outputPath, output);
  }
}

TEST_F(SerzProgram, MalformedCommandLineExitsTwoWithTheUsage) {
  const QStringList cases[] = {{},
                               {"in.bin"},
                               {"in.bin", "out.xml"},
                               {"in.bin", "xml:"},
                               {"", "xml:out.xml"},
                               {"in.bin", "xml:out.xml", "-v"},
                               {R"("in.bin xml:"out.xml")"},
                               {R"("in" xml:"out" -extra)"}};
  for (const QStringList& arguments : cases) {
    const ChildResult run = RunChild(kSerzExe, arguments, environment_);
    EXPECT_EQ(run.exitCode, 2) << arguments.join('|').toStdString();
    EXPECT_TRUE(run.standardError.contains("usage: serz.exe"));
  }
}

TEST_F(SerzProgram, TakesAWholeWindowsLineAsOneArgumentAndLogsEveryRunAsReceived) {
  ASSERT_TRUE(WriteWholeFile(Path("in put.xml"), "<a/>"));
  environment_.insert("FENNICK_SERZ_LOG", Path("serz.log"));
  EXPECT_EQ(Convert(Path("in put.xml"), Path("out.bin")).exitCode, 0);
  const QString line = "\"" + Path("in put.xml") + "\" xml:\"" + Path("o t.bin") + "\"";
  EXPECT_EQ(RunChild(kSerzExe, {line}, environment_).exitCode, 0);
  EXPECT_EQ(ReadWholeFile(Path("o t.bin")), ReadWholeFile(Path("out.bin")));
  environment_.insert("FENNICK_SERZ_FAIL", "exit");  // failed runs are logged too
  RunChild(kSerzExe, {line}, environment_);
  EXPECT_EQ(ReadWholeFile(Path("serz.log")),
            (Path("in put.xml") + "\txml:" + Path("out.bin") + "\n" + line + "\n" + line + "\n")
                .toUtf8());

  // A log that cannot be written fails the run before anything is converted.
  environment_.remove("FENNICK_SERZ_FAIL");
  environment_.insert("FENNICK_SERZ_LOG", temp_.path());
  EXPECT_EQ(Convert(Path("in put.xml"), Path("never.bin")).exitCode, 2);
  EXPECT_FALSE(QFile::exists(Path("never.bin")));
}

TEST(LaunchStandIn, RecordsNameFolderAndArgumentsOfEveryStartBesideItself) {
  for (const auto& [built, name] :
       {std::pair{kRailSimExe, "RailSim.exe"}, std::pair{kRailSimEditorExe, "RailSimEditor.exe"}}) {
    SCOPED_TRACE(name);
    QTemporaryDir temp;
    const QString simFolder = temp.filePath("Rail Simulator");
    const QString elsewhere = temp.filePath("somewhere else");
    ASSERT_TRUE(QDir().mkpath(simFolder) && QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::copy(built, simFolder + "/" + name));

    const auto environment = QProcessEnvironment::systemEnvironment();
    EXPECT_EQ(RunChild(simFolder + "/" + name, {"-LogMate"}, environment, elsewhere).exitCode, 0);
    EXPECT_EQ(RunChild(simFolder + "/" + name, {}, environment, simFolder).exitCode, 0);
    const auto shown = [](const QString& folder) {
      return QDir::toNativeSeparators(QFileInfo(folder).canonicalFilePath());
    };
    const QString expected =
        name + ("\t" + shown(elsewhere)) + "\t-LogMate\n" + name + "\t" + shown(simFolder) + "\t\n";
    EXPECT_EQ(ReadWholeFile(simFolder + "/launches.log"), expected.toUtf8());
    EXPECT_FALSE(QFile::exists(elsewhere + "/launches.log"));
  }
}

}  // namespace
}  // namespace fennick::testing
