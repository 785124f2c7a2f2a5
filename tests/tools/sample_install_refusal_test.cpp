// make_sample_install never overwrites a folder it did not make and reports bad arguments.
#include <gtest/gtest.h>

#include <ostream>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "child_process.h"

namespace fennick::testing {
namespace {

const QString kMakeSample = QStringLiteral(FENNICK_MAKE_SAMPLE_INSTALL_EXE);

class SampleInstallRefusal : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.isValid());
    out_ = temp_.filePath("sim");
  }
  QTemporaryDir temp_;
  QString out_;
};

struct ForeignFolderCase {
  const char* name;
  QStringList extraArguments;
  const char* messagePart;
};

void PrintTo(const ForeignFolderCase& c, std::ostream* os) {
  *os << c.name;
}

class ForeignFolder : public SampleInstallRefusal,
                      public ::testing::WithParamInterface<ForeignFolderCase> {};

TEST_P(ForeignFolder, IsLeftUntouched) {
  ASSERT_TRUE(QDir().mkpath(out_));
  ASSERT_TRUE(WriteWholeFile(out_ + "/keep.txt", "mine"));

  const ChildResult run = RunChild(kMakeSample, QStringList{out_} + GetParam().extraArguments);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.standardError.contains(GetParam().messagePart))
      << run.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(out_ + "/keep.txt"), "mine");
  EXPECT_FALSE(QFileInfo::exists(out_ + "/Content"));
}

INSTANTIATE_TEST_SUITE_P(Arguments, ForeignFolder,
                         ::testing::Values(ForeignFolderCase{"WithoutForce", {}, "--force"},
                                           ForeignFolderCase{"WithForce", {"--force"}, "refusing"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SampleInstallRefusal, ForceRenewsAnEarlierSample) {
  ASSERT_EQ(RunChild(kMakeSample, {out_}).exitCode, 0);
  const QByteArray routes = ReadWholeFile(out_ + "/Content/Routes.xml");
  ASSERT_TRUE(WriteWholeFile(out_ + "/Content/Routes.xml", "edited"));
  ASSERT_TRUE(WriteWholeFile(out_ + "/Content/stale.bak", "old"));

  EXPECT_EQ(RunChild(kMakeSample, {out_}).exitCode, 1);
  EXPECT_EQ(ReadWholeFile(out_ + "/Content/Routes.xml"), "edited");

  const ChildResult renewed = RunChild(kMakeSample, {out_, "--force"});
  EXPECT_EQ(renewed.exitCode, 0) << renewed.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(out_ + "/Content/Routes.xml"), routes);
  EXPECT_FALSE(QFileInfo::exists(out_ + "/Content/stale.bak"));
}

TEST_F(SampleInstallRefusal, AnEmptyExistingFolderIsFilled) {
  ASSERT_TRUE(QDir().mkpath(out_));
  EXPECT_EQ(RunChild(kMakeSample, {out_}).exitCode, 0);
  EXPECT_TRUE(QFileInfo(out_ + "/serz.exe").isExecutable());
}

TEST_F(SampleInstallRefusal, ExplicitProgramPathsAreCopiedUnderTheSimulatorsNames) {
  const ChildResult run =
      RunChild(kMakeSample, {out_, "--serz", FENNICK_SERZ_EXE, "--railsim", FENNICK_RAILSIM_EXE,
                             "--railsimeditor", FENNICK_RAILSIMEDITOR_EXE});
  ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(out_ + "/RailSimEditor.exe"), ReadWholeFile(FENNICK_RAILSIMEDITOR_EXE));
  EXPECT_EQ(ReadWholeFile(out_ + "/serz.exe"), ReadWholeFile(FENNICK_SERZ_EXE));
}

struct BadArgumentsCase {
  const char* name;
  QStringList arguments;  // "OUT" stands for the output folder
  int exitCode;
  const char* messagePart;
};

void PrintTo(const BadArgumentsCase& c, std::ostream* os) {
  *os << c.name;
}

class BadArguments : public SampleInstallRefusal,
                     public ::testing::WithParamInterface<BadArgumentsCase> {};

TEST_P(BadArguments, AreReportedAndWriteNothing) {
  QStringList arguments = GetParam().arguments;
  arguments.replaceInStrings("OUT", out_);
  const ChildResult run = RunChild(kMakeSample, arguments);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_TRUE(run.standardError.contains(GetParam().messagePart))
      << run.standardError.toStdString();
  EXPECT_FALSE(QFileInfo::exists(out_));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, BadArguments,
    ::testing::Values(
        BadArgumentsCase{"NoFolder", {}, 2, "OUTDIR is missing"},
        BadArgumentsCase{"UnknownOption", {"OUT", "--fast"}, 2, "unknown option"},
        BadArgumentsCase{"OptionWithoutValue", {"OUT", "--serz"}, 2, "--serz needs a path"},
        BadArgumentsCase{
            "MissingConverter", {"OUT", "--serz", "/no/such/serz.exe"}, 1, "serz.exe not found"},
        BadArgumentsCase{"MissingEditor",
                         {"OUT", "--railsimeditor", "/no/such/editor"},
                         1,
                         "RailSimEditor.exe stand-in not found"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick::testing
