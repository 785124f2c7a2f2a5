// Stock blueprints read through the stand-in converter, from tests/data/stock_blueprints: the
// sample installation's own and the faulty ones under assets/, one reading a line.
#include <gtest/gtest.h>

#include "consist/blueprint_kind.h"
#include "consist/mass_and_number.h"
#include "tests/consist/consist_test_support.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

using StockBlueprints = test::SampleStockTest;

TEST_F(StockBlueprints, ClassifyAndMassAndNumberAsTheCasesSay) {
  LayBlueprints(FENNICK_TEST_DATA_DIR "/stock_blueprints/assets");
  const auto cases = test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/stock_blueprints/cases.txt");
  ASSERT_GT(cases.size(), 15u);
  for (const test::CaseLine& line : cases) {
    const auto& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber) + ": " + f[1]);
    const QString bin = Assets(QString::fromStdString(f[1]));
    test::ScriptedUniform random({f[0] == "mass" ? std::stof(f[2]) : 0.0f});
    test::ConverterFault(f[f.size() - 2] == "-" ? "" : f[f.size() - 2]);
    std::string got;
    if (f[0] == "classify") {
      const Result<BlueprintClass> found = ClassifyBlueprintFile(converter(), bin);
      got = !found          ? "error"
            : found->engine ? "engine|"
            : found->wagon  ? "wagon|"
            : found->tender ? "tender|"
                            : "|";
      if (found) got += found->name.value_or("-");
      // No classification leaves its scratch file behind, whatever happened.
      EXPECT_TRUE(TempFilesEntries().filter("temp", Qt::CaseInsensitive).isEmpty());
    } else {
      const Result<MassAndNumber> found =
          GetMassAndNumber(converter(), install.RsPath(), bin, "Out.xml", random);
      got = found ? found->mass + "|" + found->number : "error:" + found.error();
      if (f[4].starts_with("error:")) got = got.find(f[4].substr(6)) != got.npos ? f[4] : got;
      // A number is drawn only where there is a list to draw from.
      EXPECT_EQ(random.draws, found && !found->number.empty() ? 1 : 0);
    }
    test::ConverterFault("");
    EXPECT_EQ(got, f.back());
  }
}

}  // namespace
}  // namespace fennick
