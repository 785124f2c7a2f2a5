// make_sample_install never overwrites a folder it did not make and reports bad arguments.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <tuple>
#include <utility>

#include "tests/tools/tools_test_support.h"

namespace fennick::testing {
namespace {

class SampleInstallRefusal : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp_.isValid()); }
  QTemporaryDir temp_;
  const QString out_ = temp_.filePath("sim");
};

TEST_F(SampleInstallRefusal, LeavesAForeignFolderUntouchedWithOrWithoutForce) {
  ASSERT_TRUE(QDir().mkpath(out_));
  ASSERT_TRUE(WriteWholeFile(out_ + "/keep.txt", "mine"));
  for (const auto& [extra, message] :
       {std::pair{QStringList{}, "--force"}, std::pair{QStringList{"--force"}, "refusing"}}) {
    const ChildResult run = RunChild(kMakeSampleExe, QStringList{out_} + extra);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.standardError.contains(message)) << run.standardError.toStdString();
    EXPECT_EQ(ReadWholeFile(out_ + "/keep.txt"), "mine");
    EXPECT_FALSE(QFileInfo::exists(out_ + "/Content"));
  }
}

TEST_F(SampleInstallRefusal, FillsAnEmptyFolderAndRenewsItsOwnSampleOnlyWithForce) {
  ASSERT_TRUE(QDir().mkpath(out_));
  // serz.exe as the editor tells the explicit path from the default beside the tool.
  const ChildResult run = RunChild(kMakeSampleExe, {out_, "--serz", kSerzExe, "--railsim",
                                                    kRailSimExe, "--railsimeditor", kSerzExe});
  ASSERT_EQ(run.exitCode, 0) << run.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(out_ + "/RailSimEditor.exe"), ReadWholeFile(kSerzExe));
  EXPECT_EQ(ReadWholeFile(out_ + "/RailSim.exe"), ReadWholeFile(kRailSimExe));
  const QByteArray routes = ReadWholeFile(out_ + "/Content/Routes.xml");
  ASSERT_FALSE(routes.isEmpty());
  ASSERT_TRUE(WriteWholeFile(out_ + "/Content/Routes.xml", "edited"));
  ASSERT_TRUE(WriteWholeFile(out_ + "/Content/stale.bak", "old"));

  EXPECT_EQ(RunChild(kMakeSampleExe, {out_}).exitCode, 1);
  EXPECT_EQ(ReadWholeFile(out_ + "/Content/Routes.xml"), "edited");

  const ChildResult renewed = RunChild(kMakeSampleExe, {out_, "--force"});
  EXPECT_EQ(renewed.exitCode, 0) << renewed.standardError.toStdString();
  EXPECT_EQ(ReadWholeFile(out_ + "/Content/Routes.xml"), routes);
  EXPECT_FALSE(QFileInfo::exists(out_ + "/Content/stale.bak"));
}

TEST_F(SampleInstallRefusal, ReportsBadArgumentsAndWritesNothing) {
  // Arguments, exit status, part of the message.
  const std::tuple<QStringList, int, const char*> cases[] = {
      {{}, 2, "OUTDIR is missing"},
      {{out_, "--fast"}, 2, "unknown option"},
      {{out_, "--serz"}, 2, "--serz needs a path"},
      {{out_, "--serz", "/no/such/serz.exe"}, 1, "serz.exe not found"},
      {{out_, "--railsimeditor", "/no/such/editor"}, 1, "RailSimEditor.exe stand-in not found"},
  };
  for (const auto& [arguments, exitCode, message] : cases) {
    const ChildResult run = RunChild(kMakeSampleExe, arguments);
    EXPECT_EQ(run.exitCode, exitCode) << message;
    EXPECT_TRUE(run.standardError.contains(message)) << run.standardError.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out_));
  }
}

}  // namespace
}  // namespace fennick::testing
