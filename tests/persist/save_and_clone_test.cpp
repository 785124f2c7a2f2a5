#include <QRegularExpression>
#include <optional>

#include "persist/clone_scenario.h"
#include "persist/save_messages.h"
#include "scenario/index_cut.h"
#include "scenario/scenario_entry.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

class SaveAndCloneTest : public test::SampleFixture {
 protected:
  // A save that must succeed with the closing message alone. Returns the saved entry, checking
  // that the index around it is the index as read, byte for byte.
  std::string Save(OpenedScenario& opened, bool allConsists = false,
                   std::optional<bool> timetable = std::nullopt) {
    const ScenarioSession before = opened.session;
    const SaveRequest request{opened.view.boxes, timetable.value_or(before.isTimetable),
                              allConsists, test::kDriven};
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(SaveScenario(Context(), opened.session, request, dialogs), CommandOutcome::kDone);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{kSavedMessage});
    const std::string index = IndexXml(), head = before.indexHead, tail = before.indexTail + "\r\n";
    const bool kept = index.size() >= head.size() + tail.size() && index.starts_with(head) &&
                      index.ends_with(tail);
    EXPECT_TRUE(kept) << "the index outside the entry changed";
    return kept ? index.substr(head.size(), index.size() - head.size() - tail.size()) : "";
  }
};

TEST_F(SaveAndCloneTest, WritesTheBoxesIntoTheEntryAndTheWorkingDocument) {
  OpenedScenario opened = Open();
  std::string& text = opened.session.scenarioText;  // a consist edit: the working text is saved
  test::Replace(text, ">66142<", ">66001<");
  const std::string edited = text;
  // Côte – été: typed texts go into the index's encoding, Windows-1252.
  opened.view.boxes = PropertyBoxes{{"C\xC3\xB4te \xE2\x80\x93 \xC3\xA9t\xC3\xA9", "A later run.",
                                     "", "0530", "75", "1", "2", "2009", "SEASON_WINTER", "Kuju",
                                     "RailSimulator", "Weather\\Overcast.xml"}};
  const std::string entry = Save(opened);

  // tests/data/save_and_clone/saved_entry.xml: the typed boxes in every language, in Windows-1252.
  EXPECT_EQ(entry, test::ReadFileBytes(FENNICK_TEST_DATA_DIR "/save_and_clone/saved_entry.xml").toStdString());

  // The scratch files hold the texts and one CR LF, no byte-order mark.
  const std::string index = opened.session.indexHead + entry + opened.session.indexTail;
  EXPECT_EQ(test::ReadFileBytes(Scratch("Scenarios.xml")).toStdString(), index + "\r\n");
  EXPECT_EQ(test::ReadFileBytes(Scratch("Scenario.xml")).toStdString(), edited + "\r\n");
  EXPECT_EQ(DocumentXml(), edited + "\r\n");
  EXPECT_EQ(opened.session.scenarioEntry, entry);
}

// tests/data/save_and_clone/type_switch.txt: the type word is replaced in any letter case.
TEST_F(SaveAndCloneTest, TypeSwitchReplacesTheWordInEveryLetterCase) {
  const QByteArray original = IndexBin();
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_and_clone/type_switch.txt")) {
    const auto& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber));
    ASSERT_TRUE(test::WriteFileBytes(RouteDir() + "/Scenarios.bin", original));  // as laid out
    OpenedScenario opened = Open(f.at(0).c_str());
    std::string& entry = opened.session.scenarioEntry;
    const std::size_t classText = entry.find('>', entry.find("<ScenarioClass")) + 1;
    entry.replace(classText, entry.find('<', classText) - classText, f.at(1));
    opened.session.isTimetable = IsTimetableEntry(entry);
    opened.view.boxes[kBoxDisplayName] = "Standard or Timetable";  // written after the switch
    const std::string saved = Save(opened, false, f.at(2) == "timetable");
    EXPECT_NE(saved.find(">" + f.at(3) + "<"), std::string::npos) << saved;
    EXPECT_NE(saved.find(">Standard or Timetable<"), std::string::npos);
    EXPECT_EQ(opened.session.isTimetable, f.at(2) == "timetable");
  }
}

std::vector<double> StartTimes(const std::string& document) {
  static const QRegularExpression element("<StartTime[^>]*>([^<]*)</StartTime>");
  std::vector<double> times;
  for (auto it = element.globalMatch(QString::fromStdString(document)); it.hasNext();) {
    times.push_back(it.next().captured(1).toDouble());
  }
  return times;
}

// tests/data/save_and_clone/start_times.txt; each save keeps the one before as the next backup.
TEST_F(SaveAndCloneTest, ChangeForAllConsistsMovesEveryStartTimeAndBackupsAccumulate) {
  std::vector<QByteArray> indexes, documents;
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_and_clone/start_times.txt")) {
    const auto& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber));
    indexes.push_back(IndexBin());
    documents.push_back(DocumentBin());
    OpenedScenario opened = Open();
    const std::vector<double> before = StartTimes(opened.session.scenarioTextAsRead);
    ASSERT_GE(before.size(), 4u);
    opened.view.boxes[kBoxStartTime] = f.at(0);
    Save(opened, f.at(1) == "yes");
    const std::string document = DocumentXml();
    const std::vector<double> after = StartTimes(document);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(after[i], before[i] + std::stod(f.at(2))) << "element " << i;
    }
    EXPECT_TRUE(f.at(2) != "0" || document == opened.session.scenarioTextAsRead + "\r\n");
  }
  ASSERT_EQ(indexes.size(), 5u);
  for (std::size_t i = 0; i <= indexes.size(); ++i) {
    const QString suffix = i == 0 ? ".bak" : ".bak" + QString::number(i);
    EXPECT_EQ(QFile::exists(RouteDir() + "/Scenarios" + suffix), i < indexes.size()) << i;
    if (i == indexes.size()) break;
    EXPECT_EQ(test::ReadFileBytes(RouteDir() + "/Scenarios" + suffix), indexes[i]) << i;
    EXPECT_EQ(test::ReadFileBytes(ScenarioDir() + "/Scenario" + suffix), documents[i]) << i;
  }
  EXPECT_NE(indexes[2], indexes[1]);
}

TEST_F(SaveAndCloneTest, AddsTheNewEntryRightBehindTheUnchangedSource) {
  OpenedScenario opened = Open();
  opened.view.boxes[kBoxDisplayName] = "Morning Coal Returns";
  opened.view.boxes[kBoxStartTime] = "0800";
  // An element number that gains a digit when raised: the entry grows by one character.
  test::Replace(opened.session.scenarioEntry, "d:id=\"187654321\"", "d:id=\"999998000\"");
  opened.session.scenarioText += "<!-- a consist edit the clone leaves out -->";
  const ScenarioSession before = opened.session;
  const QByteArray indexBefore = IndexBin(), documentBefore = DocumentBin();
  const QStringList sourceEntries = Entries(ScenarioDir());

  test::ScriptedDialogs dialogs;
  dialogs.answers = {true};
  const CloneResult result = CloneScenario(
      Context(), opened.session, {opened.view.boxes, test::kDriven}, dialogs, test::NewId);
  ASSERT_EQ(result.outcome, CommandOutcome::kDone) << testing::PrintToString(dialogs.Messages());
  EXPECT_EQ(result.newFolderName, test::kNewId);
  ASSERT_EQ(dialogs.Messages(), (std::vector<std::string>{
                                    kCloneNote, "Your New Scenarios.bin file has been updated."}));
  EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::OkCancel);
  for (const auto& shown : dialogs.shown) EXPECT_EQ(shown.icon, MessageIcon::Information);

  // The source entry byte for byte, the new one right behind it, the rest as read.
  const std::string index = IndexXml();
  const std::string head = before.indexHead + before.scenarioEntry;
  const std::string tail = before.indexTail + "\r\n";
  ASSERT_TRUE(index.starts_with(head) && index.ends_with(tail));
  const std::string newEntry = index.substr(head.size(), index.size() - head.size() - tail.size());

  // tests/data/save_and_clone/clone_entry.xml: the source entry with a raised element number, both
  // identifier numbers and the DevString of the new identifier, and the properties typed.
  EXPECT_EQ(newEntry, test::ReadFileBytes(FENNICK_TEST_DATA_DIR "/save_and_clone/clone_entry.xml").toStdString());

  // The new folder bears the DevString and holds the document as read, nothing else.
  const QString newFolder = ScenariosDir() + "/" + test::kNewId;
  EXPECT_EQ(Entries(newFolder), QStringList{"Scenario.bin"});
  EXPECT_EQ(test::DecodeBin(newFolder + "/Scenario.bin").toStdString(),
            before.scenarioTextAsRead + "\r\n");
  EXPECT_EQ(test::ReadFileBytes(RouteDir() + "/Scenarios.bak"), indexBefore);
  EXPECT_EQ(DocumentBin(), documentBefore);
  EXPECT_EQ(Entries(ScenarioDir()), sourceEntries);

  EXPECT_EQ(opened.session.scenarioEntry, before.scenarioEntry);
  EXPECT_EQ(opened.session.indexTail, newEntry + before.indexTail);
}

// Another copy of the program saves another scenario of the route while this one is open: its
// change to the index survives this save or clone.
TEST_F(SaveAndCloneTest, AnotherCopysChangeToTheIndexSurvives) {
  for (const bool clone : {false, true}) {
    SCOPED_TRACE(clone ? "clone" : "save");
    OpenedScenario opened = Open();
    SaveElsewhere(test::kEveningCommuters, clone ? "Saved elsewhere again" : "Saved elsewhere");
    const Result<IndexCut> other = CutScenarioEntry(IndexXml(), test::kEveningCommuters);
    ASSERT_TRUE(other.ok());

    opened.view.boxes[kBoxDisplayName] = clone ? "Cloned here" : "Saved here";
    test::ScriptedDialogs dialogs;
    dialogs.answers = {true};
    const CommandOutcome outcome =
        clone ? CloneScenario(Context(), opened.session, {opened.view.boxes, test::kDriven},
                              dialogs, test::NewId)
                    .outcome
              : SaveScenario(Context(), opened.session,
                             {opened.view.boxes, false, false, test::kDriven}, dialogs);
    ASSERT_EQ(outcome, CommandOutcome::kDone) << testing::PrintToString(dialogs.Messages());
    const std::string index = IndexXml();
    EXPECT_NE(index.find(other->entry), std::string::npos);
    const Result<IndexCut> mine = CutScenarioEntry(index, test::kMorningCoal);
    ASSERT_TRUE(mine.ok());
    EXPECT_NE(mine->entry.find(">Saved here<"), std::string::npos);
    EXPECT_EQ(mine->tail.find(">Cloned here<") != std::string::npos, clone);
  }
}

}  // namespace
}  // namespace fennick
