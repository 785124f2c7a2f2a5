#include <functional>
#include <map>

#include "persist/clone_scenario.h"
#include "persist/keep_backup.h"
#include "persist/save_scenario.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

using test::kNewId;

// tests/data/save_and_clone/stops.txt: every way a save or clone stops short says why, shows no
// success, leaves every .bin, backup and folder as it was and keeps the edits.
class NothingLostTest : public test::SampleFixture,
                        public ::testing::WithParamInterface<test::CaseLine> {
 public:
  // A folder where a file is to be written or renamed to.
  static void Block(const QString& path) {
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path + "/in-the-way")) << path.toStdString();
  }
  void TakeBackupNames(int last) {
    for (int n = 0; n <= last; ++n) {
      const QString suffix = ".bak" + (n == 0 ? QString() : QString::number(n));
      ASSERT_TRUE(test::WriteFileBytes(RouteDir() + "/Scenarios" + suffix, "old"));
      ASSERT_TRUE(test::WriteFileBytes(ScenarioDir() + "/Scenario" + suffix, "old"));
    }
  }
  void Obstruct(const std::string& obstacle);

  OpenedScenario opened = Open();
  PropertyBoxes boxes = opened.view.boxes;
  std::string driven = test::kDriven;
  IdentifierText identifier = test::NewId();
  bool noteAnswer = true;
};

void NothingLostTest::Obstruct(const std::string& obstacle) {
  using T = NothingLostTest;
  const std::map<std::string, std::function<void(T&)>> obstacles = {
      {"none", [](T&) {}},
      {"block-index-scratch", [](T& t) { Block(t.Scratch("Scenarios.xml")); }},
      {"block-document-scratch", [](T& t) { Block(t.Scratch("Scenario.xml")); }},
      {"block-index-backup", [](T& t) { Block(t.RouteDir() + "/Scenarios.bak"); }},
      {"block-document-backup", [](T& t) { Block(t.ScenarioDir() + "/Scenario.bak"); }},
      {"earlier-backups", [](T& t) { t.TakeBackupNames(0); }},
      {"all-backup-names", [](T& t) { t.TakeBackupNames(kNumberedBackups); }},
      // The converter's run log appears under the new folder's name once the name was checked.
      {"new-folder-appears",
       [](T& t) { qputenv("FENNICK_SERZ_LOG", (t.ScenariosDir() + "/" + kNewId).toUtf8()); }},
      // Łódź: the index's encoding (Windows-1252) cannot hold Ł and ź.
      {"unwritable-name", [](T& t) { t.boxes[kBoxDisplayName] = "\xC5\x81\xC3\xB3\x64\xC5\xBA"; }},
      {"name-unchanged", [](T& t) { t.boxes[kBoxDisplayName] = "Morning Coal Empties"; }},
      {"cancel-on-note", [](T& t) { t.noteAnswer = false; }},
      {"start-day-32", [](T& t) { t.boxes[kBoxStartDay] = "32"; }},
      {"no-driver", [](T& t) { t.driven.clear(); }},
      {"no-identifier", [](T& t) { t.identifier = {"", "0", "0"}; }},
      {"unfit-identifier", [](T& t) { t.identifier = {"..\\Elsewhere", "1", "2"}; }},
      {"folder-taken", [](T& t) { ASSERT_TRUE(QDir().mkpath(t.ScenariosDir() + "/" + kNewId)); }},
      {"folder-in-other-case",
       [](T& t) { ASSERT_TRUE(QDir().mkpath(t.ScenariosDir() + "/" + QString(kNewId).toLower())); }},
      // Another copy of the program changed this scenario's own entry meanwhile, or dropped it.
      {"saved-elsewhere", [](T& t) { t.SaveElsewhere(test::kMorningCoal, "Elsewhere"); }},
      {"dropped-elsewhere",
       [](T& t) {
         std::string index = t.IndexXml();
         test::Replace(index, test::kMorningCoal, "0a3f5e71-0000-0000-0000-000000000000");
         ASSERT_TRUE(test::WriteBin(t.RouteDir() + "/Scenarios.bin", index));
       }},
      {"no-uuid",
       [](T& t) {
         test::Replace(t.opened.session.scenarioEntry, "<UUID>", "<GUID>");
         test::Replace(t.opened.session.scenarioEntry, "</UUID>", "</GUID>");
       }},
  };
  const auto found = obstacles.find(obstacle);
  ASSERT_NE(found, obstacles.end()) << "no obstacle " << obstacle;
  found->second(*this);
}

TEST_P(NothingLostTest, SaysWhyAndLosesNothing) {
  const std::vector<std::string>& f = GetParam().fields;
  ASSERT_GE(f.size(), 6u) << "line " << GetParam().lineNumber;
  const bool clone = f[1] == "clone";
  const std::vector<std::string> expected(f.begin() + 5, f.end());
  boxes[kBoxDisplayName] = "Faulty save";
  boxes[kBoxStartTime] = "0800";
  opened.session.scenarioText += "<!-- edited -->";
  ASSERT_NO_FATAL_FAILURE(Obstruct(f[2]));
  const ScenarioSession before = opened.session;
  if (!f[3].empty()) qputenv("FENNICK_SERZ_FAIL", f[3].c_str());
  const QByteArray index = IndexBin(), document = DocumentBin();
  const QStringList routeEntries = Entries(RouteDir()), scenarios = Entries(ScenariosDir());
  const QStringList scenarioEntries = Entries(ScenarioDir());

  test::ScriptedDialogs dialogs;
  dialogs.answers = {false};                          // to the driver question
  if (clone) dialogs.answers.push_front(noteAnswer);  // to the clone's note first
  const CommandOutcome outcome =
      clone ? CloneScenario(Context(), opened.session, {boxes, driven}, dialogs,
                            [this] { return identifier; })
                  .outcome
            : SaveScenario(Context(), opened.session, {boxes, false, true, driven}, dialogs);
  ClearConverterFaults();
  EXPECT_EQ(outcome, f[4] == "failed" ? CommandOutcome::kFailed : CommandOutcome::kRefused);
  const std::vector<std::string> shown = dialogs.Messages();
  ASSERT_EQ(shown.size(), expected.size()) << testing::PrintToString(shown);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_NE(shown[i].find(expected[i]), std::string::npos) << shown[i];
  }
  if (outcome == CommandOutcome::kFailed) {
    EXPECT_TRUE(shown.back().starts_with("An error ")) << shown.back();
    EXPECT_TRUE(shown.back().ends_with(" occurred while saving your Scenario")) << shown.back();
    EXPECT_EQ(dialogs.shown.back().icon, MessageIcon::Exclamation);
  }

  EXPECT_EQ(IndexBin(), index);
  EXPECT_EQ(DocumentBin(), document);
  EXPECT_EQ(Entries(RouteDir()), routeEntries);
  EXPECT_EQ(Entries(ScenarioDir()), scenarioEntries);
  QFile::remove(ScenariosDir() + "/" + kNewId);   // the converter's log, if that stood in the way
  EXPECT_EQ(Entries(ScenariosDir()), scenarios);  // no new folder left behind

  EXPECT_EQ(opened.session.scenarioEntry, before.scenarioEntry);
  EXPECT_EQ(opened.session.indexTail, before.indexTail);
  EXPECT_EQ(opened.session.scenarioText, before.scenarioText);
  EXPECT_EQ(opened.session.loadedStartTime, before.loadedStartTime);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStop, NothingLostTest,
    ::testing::ValuesIn(test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_and_clone/stops.txt")),
    [](const auto& info) { return info.param.fields.at(0); });

}  // namespace
}  // namespace fennick
