// Runs the built rs_fennick_cli from outside, as scripts do, over a sample installation.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "consist/messages.h"
#include "consist/stock_gatherer.h"
#include "tests/consist/sample_stock_fixture.h"
#include "tests/scenario/case_name.h"
#include "tests/support/cli_runner.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::PrintTo;

using test::CliRun;

class StockCliTest : public test::SampleStockTest {
 protected:
  void SetUp() override {
    SampleStockTest::SetUp();
    cli = std::make_unique<test::CliRunner>(install.ProgramFolder(), install.RsPath());
    ASSERT_TRUE(cli->ok());
  }

  CliRun Run(QStringList arguments, const QString& failSetting = {}) {
    return cli->Run(std::move(arguments), false, failSetting);
  }

  // The same gathering in this process: the lines the command line has to print.
  std::string InProcess(const QString& folder, std::optional<std::string> kind) {
    ClassificationCache cache;
    StockCatalogue catalogue;
    test::ScriptedDialogs dialogs;
    StockGatherer(converter(), cache).Gather(folder, kind, catalogue, dialogs);
    std::string lines;
    for (const StockEntry& e : catalogue.entries) lines += e.name + "\t" + e.blueprintId + "\n";
    return lines;
  }

  std::unique_ptr<test::CliRunner> cli;
};

struct KindCase {
  const char* label;
  const char* folder;  // below Assets
  const char* kind;    // empty: no --kind
};

class StockCliKindTest : public StockCliTest, public testing::WithParamInterface<KindCase> {};

TEST_P(StockCliKindTest, PrintsNameTabBlueprintIdForEveryVehicle) {
  const KindCase& c = GetParam();
  QStringList arguments{"stock", Assets(c.folder)};
  std::optional<std::string> kind;
  if (*c.kind) {
    arguments << "--kind" << c.kind;
    kind = StockKindCaption(c.kind);
  }
  const CliRun run = Run(arguments);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_FALSE(run.out.empty());
  EXPECT_EQ(run.out, InProcess(Assets(c.folder), kind));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StockCliKindTest,
    testing::Values(KindCase{"diesel", "Kuju/RailSimulator/RailVehicles", "Diesel"},
                    KindCase{"electric", "Kuju/RailSimulator/RailVehicles", "Electric"},
                    KindCase{"steam", "Kuju/RailSimulator/RailVehicles", "Steam"},
                    KindCase{"passenger", "Kuju/RailSimulator/RailVehicles", "Passenger"},
                    KindCase{"freight", "Kuju/RailSimulator/RailVehicles", "Freight"},
                    KindCase{"tender", "Kuju/RailSimulator/RailVehicles", "Tender"},
                    KindCase{"dmu", "Kuju/RailSimulator/RailVehicles", "DMU"},
                    KindCase{"emu in lower case", "Kuju/RailSimulator/RailVehicles", "emu"},
                    KindCase{"no kind", "Kuju/RailSimulator/RailVehicles", ""},
                    KindCase{"blank in product", "ValeWorks/Branch Lines/RailVehicles", "Steam"}),
    test::CaseName());

TEST_F(StockCliTest, TenderListIsTheTenderOnly) {
  const CliRun run = Run({"stock", KujuRailVehicles(), "--kind", "Tender"});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "Black Five Tender\tRailVehicles\\Steam\\BlackFive\\BlackFiveTender.xml\n");
}

TEST_F(StockCliTest, QuestionIsAnsweredStopUnlessYes) {
  const CliRun stopped = Run({"stock", Assets("Kuju/RailSimulator"), "--kind", "Diesel"});
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_EQ(stopped.out, "");
  EXPECT_NE(stopped.err.find("You may not have selected a Rail Vehicles folder"), std::string::npos)
      << stopped.err;

  const CliRun going = Run({"--yes", "stock", Assets("Kuju/RailSimulator"), "--kind", "Diesel"});
  EXPECT_EQ(going.exitCode, 0) << going.err;
  EXPECT_EQ(
      going.out.rfind("Class 66\tRailSimulator\\RailVehicles\\Diesel\\Class66\\Class66.xml\n", 0),
      0u)
      << going.out;
}

TEST_F(StockCliTest, WalkErrorsGoToStderrAsOneMessage) {
  const CliRun run = Run({"stock", KujuRailVehicles(), "--kind", "Passenger"}, "exit:Mk2_TSO");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, "Mk2 First Open\tRailVehicles\\Passenger\\Mk2\\Mk2_FO.xml\n");
  // The converter's own complaint may come first; the program's message is one line.
  const std::size_t at = run.err.find("Error ");
  ASSERT_NE(at, std::string::npos) << run.err;
  const std::string message = run.err.substr(at);
  EXPECT_NE(message.find("Mk2_TSO"), std::string::npos) << message;
  EXPECT_TRUE(message.ends_with(" occurred in WorkWithSubFolders\n")) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
}

struct RefusalCase {
  const char* label;
  QStringList arguments;
  int exitCode;
};

class StockCliRefusalTest : public StockCliTest, public testing::WithParamInterface<RefusalCase> {};

TEST_P(StockCliRefusalTest, PrintsNothingAndSaysWhy) {
  const RefusalCase& c = GetParam();
  const CliRun run = Run(c.arguments);
  EXPECT_EQ(run.exitCode, c.exitCode);
  EXPECT_EQ(run.out, "");
  EXPECT_FALSE(run.err.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StockCliRefusalTest,
    testing::Values(RefusalCase{"unknown kind", {"stock", "/tmp", "--kind", "Coal"}, 2},
                    RefusalCase{"kind without value", {"stock", "/tmp", "--kind"}, 2},
                    RefusalCase{"no folder", {"stock"}, 2},
                    RefusalCase{"two folders", {"stock", "/a", "/b"}, 2},
                    RefusalCase{"missing folder", {"stock", "/no/such/folder/here"}, 1},
                    RefusalCase{"too shallow", {"stock", "/"}, 1}),
    test::CaseName());

}  // namespace
}  // namespace fennick
