#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <functional>

#include "persist/save_messages.h"
#include "persist/save_scenario.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::kMorningCoal;
using test::kSevernVale;

class SaveFaultTest;

struct SaveFault {
  const char* name;
  std::function<void(SaveFaultTest&)> provoke;
  const char* filesNote;  // what the report says became of the files
};
void PrintTo(const SaveFault& fault, std::ostream* os) {
  *os << fault.name;
}

// A save that fails at one step must report it, show no success, leave every .bin and backup
// as it was and keep the editor's edits.
class SaveFaultTest : public test::SampleFixture, public ::testing::WithParamInterface<SaveFault> {
 public:
  QString RouteFolder() const { return test::RouteDir(install, kSevernVale); }
  QString ScenarioFolder() const { return test::ScenarioDir(install, kSevernVale, kMorningCoal); }
  QString ScratchFile(const QString& name) const { return Scratch(name); }

  // A folder where a file is to be written or renamed to.
  static void BlockWithFolder(const QString& path) {
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path + "/in-the-way")) << path.toStdString();
  }
  static void FillBackups(const QString& folder, const QString& stem) {
    ASSERT_TRUE(test::WriteFileBytes(folder + "/" + stem + ".bak", "old"));
    for (int n = 1; n <= 50; ++n) {
      ASSERT_TRUE(test::WriteFileBytes(folder + "/" + stem + ".bak" + QString::number(n), "old"));
    }
  }
};

TEST_P(SaveFaultTest, LosesNothingAndReportsNoSuccess) {
  test::OpenedScenario opened = Open(kSevernVale, kMorningCoal);
  opened.boxes[kBoxDisplayName] = "Faulty save";
  opened.boxes[kBoxStartTime] = "0800";
  opened.session.scenarioText += "<!-- edited -->";
  const ScenarioSession before = opened.session;

  GetParam().provoke(*this);
  const QByteArray index = IndexBin(), document = DocumentBin();
  const QStringList routeEntries = Entries(RouteFolder());
  const QStringList scenarioEntries = Entries(ScenarioFolder());

  test::ScriptedDialogs dialogs;
  const SaveRequest request{opened.boxes, false, true, "6Z41 Holtby - Marsh Colliery"};
  EXPECT_EQ(SaveScenario(test::ContextOf(install), opened.session, request, dialogs),
            CommandOutcome::kFailed);
  qunsetenv("FENNICK_SERZ_FAIL");

  ASSERT_EQ(dialogs.shown.size(), 1u) << testing::PrintToString(dialogs.Messages());
  const std::string& message = dialogs.shown[0].text;
  EXPECT_EQ(message.rfind("An error ", 0), 0u) << message;
  EXPECT_TRUE(message.ends_with(" occurred while saving your Scenario")) << message;
  EXPECT_NE(message.find(GetParam().filesNote), std::string::npos) << message;
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);

  EXPECT_EQ(IndexBin(), index);
  EXPECT_EQ(DocumentBin(), document);
  EXPECT_EQ(Entries(RouteFolder()), routeEntries);
  EXPECT_EQ(Entries(ScenarioFolder()), scenarioEntries);

  EXPECT_FALSE(opened.session.saved);
  EXPECT_EQ(opened.session.scenarioEntry, before.scenarioEntry);
  EXPECT_EQ(opened.session.scenarioText, before.scenarioText);
  EXPECT_EQ(opened.session.loadedStartTime, before.loadedStartTime);
}

const SaveFault kSaveFaults[] = {
    {"IndexScratchFileCannotBeWritten",
     [](SaveFaultTest& t) { SaveFaultTest::BlockWithFolder(t.ScratchFile("Scenarios.xml")); },
     "no scenario file was changed"},
    {"IndexCannotBeRenamedToItsBackup",
     [](SaveFaultTest& t) { SaveFaultTest::BlockWithFolder(t.RouteFolder() + "/Scenarios.bak"); },
     "no scenario file was changed"},
    {"IndexConversionExitsWithAnError",
     [](SaveFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "exit:Scenarios.xml"); },
     "put back as they were"},
    {"IndexConversionWritesNothing",
     [](SaveFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "silent:Scenarios.xml"); },
     "put back as they were"},
    {"DocumentScratchFileCannotBeWritten",
     [](SaveFaultTest& t) { SaveFaultTest::BlockWithFolder(t.ScratchFile("Scenario.xml")); },
     "put back as they were"},
    {"DocumentCannotBeRenamedToItsBackup",
     [](SaveFaultTest& t) { SaveFaultTest::BlockWithFolder(t.ScenarioFolder() + "/Scenario.bak"); },
     "put back as they were"},
    {"DocumentConversionExitsWithAnError",
     [](SaveFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml"); },
     "put back as they were"},
    {"DocumentConversionWritesNothing",
     [](SaveFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "silent:Scenario.xml"); },
     "put back as they were"},
    {"DocumentConversionFailsAfterEarlierSaves",
     [](SaveFaultTest& t) {
       ASSERT_TRUE(test::WriteFileBytes(t.RouteFolder() + "/Scenarios.bak", "first"));
       ASSERT_TRUE(test::WriteFileBytes(t.ScenarioFolder() + "/Scenario.bak", "first"));
       qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml");
     },
     "put back as they were"},
    {"DocumentConversionFailsWithEveryBackupNameTaken",
     [](SaveFaultTest& t) {
       SaveFaultTest::FillBackups(t.RouteFolder(), "Scenarios");
       SaveFaultTest::FillBackups(t.ScenarioFolder(), "Scenario");
       qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml");
     },
     "put back as they were"},
};

INSTANTIATE_TEST_SUITE_P(EveryStep, SaveFaultTest, ::testing::ValuesIn(kSaveFaults),
                         [](const ::testing::TestParamInfo<SaveFault>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace fennick
