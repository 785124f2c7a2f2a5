#include <gtest/gtest.h>

#include "bridge/converter.h"
#include "bridge/paths.h"
#include "browser/open_scenario.h"
#include "persist/save_scenario.h"
#include "scenario/editor_load.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

const QString kRoute = "2d9e6c38-5f1b-4a77-9c3e-8b1f0a6d4e21";  // Severn Vale Branch
const std::string kMorningCoal = "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301";
const std::string kEvening = "1b7c9d20-3e4f-4a61-8d52-e9f0a1b2c3d4";

// Opening cuts the scenario's entry from the route's index and reads its document; failed
// conversions and an unlisted scenario open nothing; typed markup survives a save and a reopen.
TEST(OpenScenario, EntryAndDocumentOfTheChosenScenario) {
  test::SampleInstall sample;
  ASSERT_TRUE(sample.ok()) << sample.error().toStdString();
  const QString route = sample.Path("Content/Routes/" + kRoute);
  const auto open = [&](const std::string& folder) {
    // Spelt as the simulator's files do, in another letter case than the folders on disk.
    const QString spelt = JoinPath(JoinPath(sample.RsPath(), "content\\routes"), kRoute);
    const Converter converter(sample.ProgramFolder(), sample.RsPath());
    return OpenScenario(converter, spelt,
                        JoinPath(JoinPath(spelt, "scenarios"), QString::fromStdString(folder)),
                        folder);
  };
  auto session = open(kEvening);
  ASSERT_TRUE(session.ok()) << session.error();
  EXPECT_EQ(
      QByteArray::fromStdString(session->indexHead + session->scenarioEntry + session->indexTail),
      test::DecodeBin(route + "/Scenarios.bin"));
  EXPECT_EQ(session->scenarioEntry.rfind("<cScenarioProperties", 0), 0u);
  EXPECT_NE(session->scenarioEntry.find(kEvening), std::string::npos);
  EXPECT_EQ(session->scenarioEntry.find(kMorningCoal), std::string::npos);
  EXPECT_EQ(QByteArray::fromStdString(session->scenarioTextAsRead),
            test::DecodeBin(route + "/Scenarios/" + QString::fromStdString(kEvening) +
                            "/Scenario.bin"));
  EXPECT_EQ(session->scenarioText, session->scenarioTextAsRead);
  auto view = LoadEditor(*session);
  ASSERT_TRUE(view.ok()) << view.error();
  EXPECT_EQ(view->boxes[kBoxDisplayName], "Evening Commuters");
  EXPECT_EQ(view->boxes[kBoxStartTime], "1730");
  EXPECT_TRUE(view->timetable);

  for (const char* fault :
       {"exit:Scenarios.bin", "silent:Scenarios.bin", "exit:Scenario.bin", "silent:Scenario.bin"}) {
    qputenv("FENNICK_SERZ_FAIL", fault);
    auto failed = open(kMorningCoal);
    qunsetenv("FENNICK_SERZ_FAIL");
    ASSERT_FALSE(failed.ok()) << fault;
    EXPECT_NE(failed.error().find("serz.exe"), std::string::npos) << failed.error();
  }
  auto unlisted = open("12345678-0000-0000-0000-000000000000");
  ASSERT_FALSE(unlisted.ok());
  EXPECT_NE(unlisted.error().find("not listed"), std::string::npos) << unlisted.error();

  session = open(kMorningCoal);
  ASSERT_TRUE(session.ok());
  view = LoadEditor(*session);
  ASSERT_TRUE(view.ok());
  PropertyBoxes boxes = view->boxes;
  boxes[kBoxDisplayName] = "Coal & Coke <fast>";
  test::ScriptedDialogs dialogs;
  ASSERT_EQ(SaveScenario({sample.ProgramFolder(), sample.RsPath()}, *session,
                         SaveRequest{boxes, false, false, view->drivenCaption}, dialogs),
            CommandOutcome::kDone)
      << (dialogs.shown.empty() ? "" : dialogs.shown[0].text);
  auto reopened = open(kMorningCoal);
  ASSERT_TRUE(reopened.ok()) << reopened.error();
  EXPECT_NE(reopened->scenarioEntry.find(">Coal &amp; Coke &lt;fast&gt;</English>"),
            std::string::npos);
  auto shown = LoadEditor(*reopened);
  ASSERT_TRUE(shown.ok());
  EXPECT_EQ(shown->boxes[kBoxDisplayName], "Coal & Coke <fast>");
}

TEST(ChooseScenarioToOpen, MessagesForNoRowsAndNoSelection) {
  test::ScriptedDialogs dialogs;
  EXPECT_FALSE(ChooseScenarioToOpen({}, {0}, dialogs));
  EXPECT_FALSE(ChooseScenarioToOpen({"a", "b"}, {}, dialogs));
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"No Scenarios were found.",
                                                          "You have not selected a Scenario?"}));
  EXPECT_EQ(ChooseScenarioToOpen({"a", "b", "c"}, {1, 2}, dialogs), 1);
}

}  // namespace
}  // namespace fennick
