#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "persist/save_messages.h"
#include "persist/validate_properties.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

// Read-only use of one sample installation: only its weather blueprints are looked at.
class ValidatePropertiesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { install_ = std::make_unique<test::SampleInstall>(); }
  static void TearDownTestSuite() { install_.reset(); }
  void SetUp() override { ASSERT_TRUE(install_->ok()) << install_->error().toStdString(); }

  // The boxes of "Morning Coal Empties" as the editor shows them.
  static PropertyBoxes LoadedBoxes() {
    return {"Morning Coal Empties",
            "Take a rake",
            "Your Class 66",
            "0700",
            "60",
            "14",
            "6",
            "2007",
            "SEASON_SUMMER",
            "Kuju",
            "RailSimulator",
            "Weather\\Clear.xml"};
  }
  static QString RsPath() { return install_->RsPath(); }

 private:
  static std::unique_ptr<test::SampleInstall> install_;
};
std::unique_ptr<test::SampleInstall> ValidatePropertiesTest::install_;

TEST_F(ValidatePropertiesTest, ChecksRunInOrderWithTheirMessages) {
  const struct {
    const char* label;
    std::vector<std::pair<std::size_t, std::string>> edits;
    const char* message;  // nullptr: the checks pass
  } cases[] = {
      {"loaded values", {}, nullptr},
      {"0530", {{kBoxStartTime, "0530"}}, nullptr},
      {"2400 is the last time", {{kBoxStartTime, "2400"}}, nullptr},
      {"minutes are not checked alone", {{kBoxStartTime, "0575"}}, nullptr},
      {"2401", {{kBoxStartTime, "2401"}}, kTimeFormatMessage},
      {"three characters", {{kBoxStartTime, "530"}}, kTimeFormatMessage},
      {"five characters", {{kBoxStartTime, "05300"}}, kTimeFormatMessage},
      {"empty time", {{kBoxStartTime, ""}}, kTimeFormatMessage},
      {"day 0", {{kBoxStartDay, "0"}}, kStartDayMessage},
      {"day 32", {{kBoxStartDay, "32"}}, kStartDayMessage},
      {"day not a number", {{kBoxStartDay, "x"}}, kStartDayMessage},
      {"day 31 passes in February", {{kBoxStartDay, "31"}, {kBoxStartMonth, "2"}}, nullptr},
      {"month 13", {{kBoxStartMonth, "13"}}, kStartMonthMessage},
      {"month 0", {{kBoxStartMonth, "0"}}, kStartMonthMessage},
      {"month 12", {{kBoxStartMonth, "12"}}, nullptr},
      {"time is checked before day",
       {{kBoxStartTime, "99"}, {kBoxStartDay, "0"}},
       kTimeFormatMessage},
      {"day is checked before month",
       {{kBoxStartDay, "40"}, {kBoxStartMonth, "13"}},
       kStartDayMessage},
      {"weather .xml is looked for as .bin in a subfolder",
       {{kBoxWeatherBlueprint, "Weather\\Storms\\Thunder.xml"}},
       nullptr},
      {"weather of another provider and product",
       {{kBoxWeatherProvider, "ValeWorks"},
        {kBoxWeatherProduct, "Branch Lines"},
        {kBoxWeatherBlueprint, "Weather\\Drizzle.xml"}},
       nullptr},
      {"weather found without regard to letter case",
       {{kBoxWeatherBlueprint, "WEATHER\\clear.XML"}},
       nullptr},
      {"weather file missing",
       {{kBoxWeatherBlueprint, "Weather\\Snow.xml"}},
       kWeatherMissingMessage},
      {"weather under the wrong product",
       {{kBoxWeatherProduct, "Branch Lines"}},
       kWeatherMissingMessage},
      {"weather text shorter than three characters",
       {{kBoxWeatherBlueprint, "ab"}},
       kWeatherMissingMessage},
      {"empty weather text", {{kBoxWeatherBlueprint, ""}}, kWeatherMissingMessage},
  };
  for (const auto& c : cases) {
    PropertyBoxes boxes = LoadedBoxes();
    for (const auto& [box, text] : c.edits) boxes[box] = text;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(ValidateProperties(boxes, "6Z41 Holtby - Marsh Colliery", RsPath(), dialogs),
              c.message == nullptr)
        << c.label;
    if (c.message == nullptr) {
      EXPECT_TRUE(dialogs.shown.empty()) << c.label;
      continue;
    }
    // One message only: a failed check never adds a second report.
    ASSERT_EQ(dialogs.shown.size(), 1u) << c.label;
    EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::Message) << c.label;
    EXPECT_EQ(dialogs.shown[0].text, c.message) << c.label;
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation) << c.label;
    EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick") << c.label;
  }
}

TEST_F(ValidatePropertiesTest, WithoutADrivenConsistTheAnswerDecides) {
  for (const bool answer : {true, false}) {
    test::ScriptedDialogs dialogs;
    dialogs.answers = {answer};
    EXPECT_EQ(ValidateProperties(LoadedBoxes(), "", RsPath(), dialogs), answer);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::YesNo);
    EXPECT_EQ(dialogs.shown[0].text,
              "You do not appear to have chosen a consist to drive in this Scenario.\n"
              "Do you wish to continue?");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  }
}

TEST_F(ValidatePropertiesTest, AFailedCheckAsksNoQuestion) {
  PropertyBoxes boxes = LoadedBoxes();
  boxes[kBoxStartMonth] = "13";
  test::ScriptedDialogs dialogs;  // no answers: a question would fail the test
  EXPECT_FALSE(ValidateProperties(boxes, "", RsPath(), dialogs));
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{kStartMonthMessage});
}

TEST(WeatherBlueprintBinPathTest, SwapsTheLastThreeCharactersForBin) {
  PropertyBoxes boxes;
  boxes[kBoxWeatherProvider] = "Kuju";
  boxes[kBoxWeatherProduct] = "RailSimulator";
  boxes[kBoxWeatherBlueprint] = "Weather\\Clear.xml";
  EXPECT_EQ(WeatherBlueprintBinPath(boxes, "C:\\Sim"),
            "C:\\Sim\\Assets\\Kuju\\RailSimulator\\Weather\\Clear.bin");
  boxes[kBoxWeatherBlueprint] = "Weather\\Br\xC3\xBCme";  // characters, not bytes, are cut
  EXPECT_EQ(WeatherBlueprintBinPath(boxes, "C:\\Sim"),
            "C:\\Sim\\Assets\\Kuju\\RailSimulator\\Weather\\Brbin");
  boxes[kBoxWeatherBlueprint] = "ab";
  EXPECT_TRUE(WeatherBlueprintBinPath(boxes, "C:\\Sim").isEmpty());
}

}  // namespace
}  // namespace fennick
