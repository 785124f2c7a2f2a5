// The stock command of rs_fennick_cli, run from outside as scripts run it, over a sample
// installation, from tests/data/stock_cli/cases.txt.
#include <gtest/gtest.h>

#include "tests/consist/consist_test_support.h"
#include "tests/support/case_file.h"
#include "tests/support/cli_runner.h"

namespace fennick {
namespace {

using StockCli = test::SampleStockTest;

TEST_F(StockCli, PrintsNameTabBlueprintIdOrSaysWhyNot) {
  const test::CliRunner cli(install.ProgramFolder(), install.RsPath());
  ASSERT_TRUE(cli.ok());
  const auto cases = test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/stock_cli/cases.txt");
  ASSERT_GT(cases.size(), 8u);
  for (const test::CaseLine& line : cases) {
    const auto& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber) + ": " + f[0]);
    QStringList arguments;
    for (const QString& word : QString::fromStdString(f[0]).split('|', Qt::SkipEmptyParts))
      arguments << (word.startsWith('@') ? Assets(word.mid(1)) : word);
    const test::CliRun run =
        cli.Run(arguments, f[1] == "yes", f[2] == "-" ? "" : QString::fromStdString(f[2]));
    EXPECT_EQ(run.exitCode, std::stoi(f[3])) << run.err;
    EXPECT_EQ(run.out, f[4]);
    EXPECT_TRUE(f[5] == "-" ? run.err.empty() : run.err.find(f[5]) != std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace fennick
