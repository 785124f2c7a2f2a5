// Runs the built rs_fennick_cli from outside, as scripts do, over a sample installation.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "consist/stock_gatherer.h"
#include "tests/consist/consist_test_support.h"
#include "tests/support/cli_runner.h"

namespace fennick {
namespace {

using test::CliRun;

class StockCliTest : public test::SampleStockTest {
 protected:
  void SetUp() override {
    SampleStockTest::SetUp();
    cli = std::make_unique<test::CliRunner>(install.ProgramFolder(), install.RsPath());
    ASSERT_TRUE(cli->ok());
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

TEST_F(StockCliTest, PrintsNameTabBlueprintIdForEveryKind) {
  const char* kuju = "Kuju/RailSimulator/RailVehicles";
  const std::pair<const char*, const char*> cases[] = {
      // folder below Assets, kind
      {kuju, "Diesel"},  {kuju, "Electric"},
      {kuju, "Steam"},   {kuju, "Passenger"},
      {kuju, "Freight"}, {kuju, "Tender"},
      {kuju, "DMU"},     {kuju, "emu"},
      {kuju, ""},        {"ValeWorks/Branch Lines/RailVehicles", "Steam"}};
  for (const auto& [folder, kind] : cases) {
    SCOPED_TRACE(std::string(folder) + " " + kind);
    QStringList arguments{"stock", Assets(folder)};
    if (*kind) arguments << "--kind" << kind;
    const CliRun run = cli->Run(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(run.out.empty());
    EXPECT_EQ(run.out, InProcess(Assets(folder), *kind ? StockKindCaption(kind) : std::nullopt));
  }
  EXPECT_EQ(cli->Run({"stock", KujuRailVehicles(), "--kind", "Tender"}).out,
            "Black Five Tender\tRailVehicles\\Steam\\BlackFive\\BlackFiveTender.xml\n");
}

TEST_F(StockCliTest, QuestionIsAnsweredStopUnlessYes) {
  const CliRun stopped = cli->Run({"stock", Assets("Kuju/RailSimulator"), "--kind", "Diesel"});
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_EQ(stopped.out, "");
  EXPECT_NE(stopped.err.find("You may not have selected a Rail Vehicles folder"), std::string::npos)
      << stopped.err;

  const CliRun going =
      cli->Run({"--yes", "stock", Assets("Kuju/RailSimulator"), "--kind", "Diesel"});
  EXPECT_EQ(going.exitCode, 0) << going.err;
  EXPECT_TRUE(going.out.starts_with(
      "Class 66\tRailSimulator\\RailVehicles\\Diesel\\Class66\\Class66.xml\n"))
      << going.out;
}

TEST_F(StockCliTest, WalkErrorsGoToStderrAsOneMessage) {
  const CliRun run =
      cli->Run({"stock", KujuRailVehicles(), "--kind", "Passenger"}, false, "exit:Mk2_TSO");
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

TEST_F(StockCliTest, RefusalsPrintNothingAndSayWhy) {
  const std::pair<QStringList, int> cases[] = {
      {{"stock", "/tmp", "--kind", "Coal"}, 2},
      {{"stock", "/tmp", "--kind"}, 2},
      {{"stock"}, 2},
      {{"stock", "/a", "/b"}, 2},
      {{"stock", "/no/such/folder/here"}, 1},
      {{"stock", "/"}, 1},
  };
  for (const auto& [arguments, exitCode] : cases) {
    const CliRun run = cli->Run(arguments);
    EXPECT_EQ(run.exitCode, exitCode) << arguments.join(' ').toStdString();
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(run.err.empty());
  }
}

}  // namespace
}  // namespace fennick
