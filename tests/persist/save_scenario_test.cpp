#include <gtest/gtest.h>
#include <QFile>
#include <QRegularExpression>

#include "persist/save_messages.h"
#include "persist/save_scenario.h"
#include "scenario/scenario_entry.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::kEmeraldCoast;
using test::kEveningCommuters;
using test::kMorningCoal;
using test::kMorningExpress;
using test::kSevernVale;
using test::OpenedScenario;
using test::ScriptedDialogs;

constexpr const char* kDriven = "6Z41 Holtby - Marsh Colliery";

class SaveScenarioTest : public test::SampleFixture {
 protected:
  CommandOutcome Save(OpenedScenario& opened, ScriptedDialogs& dialogs, bool timetable,
                      bool allConsists = false, const std::string& driven = kDriven) {
    const SaveRequest request{opened.boxes, timetable, allConsists, driven};
    return SaveScenario(test::ContextOf(install), opened.session, request, dialogs);
  }
  CommandOutcome Save(OpenedScenario& opened, bool allConsists = false) {
    ScriptedDialogs dialogs;
    const CommandOutcome outcome = Save(opened, dialogs, opened.session.isTimetable, allConsists);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{kSavedMessage});
    return outcome;
  }

  // The saved index, split around the entry: the text before and after must be as read.
  std::string SavedEntry(const ScenarioSession& before, const std::string& routeId = kSevernVale) {
    const std::string index = IndexXml(routeId).toStdString();
    const std::string tail = before.indexTail + "\r\n";
    if (index.size() < before.indexHead.size() + tail.size() ||
        index.compare(0, before.indexHead.size(), before.indexHead) != 0 ||
        index.compare(index.size() - tail.size(), tail.size(), tail) != 0) {
      ADD_FAILURE() << "the index outside the entry changed";
      return {};
    }
    return index.substr(before.indexHead.size(),
                        index.size() - before.indexHead.size() - tail.size());
  }

  // Puts the sample's documents back, so each case of a table starts from the files as laid out.
  void KeepOriginals() {
    originalIndex_ = IndexBin();
    originalDocuments_ = {DocumentBin(kMorningCoal), DocumentBin(kEveningCommuters)};
  }
  void RestoreOriginals() {
    ASSERT_TRUE(test::WriteFileBytes(test::RouteDir(install, kSevernVale) + "/Scenarios.bin",
                                     originalIndex_));
    const char* scenarios[] = {kMorningCoal, kEveningCommuters};
    for (int i = 0; i < 2; ++i) {
      ASSERT_TRUE(test::WriteFileBytes(
          test::ScenarioDir(install, kSevernVale, scenarios[i]) + "/Scenario.bin",
          originalDocuments_[i]));
    }
  }

  static std::vector<double> StartTimes(const QByteArray& document) {
    static const QRegularExpression element("<StartTime[^>]*>([^<]*)</StartTime>");
    std::vector<double> times;
    for (auto it = element.globalMatch(QString::fromLatin1(document)); it.hasNext();) {
      times.push_back(it.next().captured(1).toDouble());
    }
    return times;
  }

 private:
  QByteArray originalIndex_;
  std::vector<QByteArray> originalDocuments_;
};

TEST_F(SaveScenarioTest, WritesTheBoxesIntoTheEntryAndNothingElseOfTheIndex) {
  OpenedScenario opened = Open(kSevernVale, kMorningCoal);
  const ScenarioSession before = opened.session;
  opened.boxes = {"Coal Empties (late)",
                  "A later run.",
                  "",
                  "0530",
                  "75",
                  "1",
                  "2",
                  "2009",
                  "SEASON_WINTER",
                  "Kuju",
                  "RailSimulator",
                  "Weather\\Overcast.xml"};
  ASSERT_EQ(Save(opened), CommandOutcome::kDone);

  const std::string entry = SavedEntry(before);
  const Result<EntryProperties> saved = ReadEntryProperties(entry);
  ASSERT_TRUE(saved.ok()) << saved.error();
  const EntryProperties expected{{"Coal Empties (late)", "A later run.", "", "19800.0000", "75",
                                  "1", "2", "2009", "SEASON_WINTER", "Kuju", "RailSimulator",
                                  "Weather\\Overcast.xml"}};
  EXPECT_EQ(*saved, expected);
  // All five languages carry the typed name.
  std::size_t names = 0;
  for (std::size_t at = 0; (at = entry.find(">Coal Empties (late)</", at)) != std::string::npos;
       ++at) {
    ++names;
  }
  EXPECT_EQ(names, 5u);
  EXPECT_EQ(DocumentXml().toStdString(), before.scenarioText + "\r\n");

  EXPECT_TRUE(opened.session.saved);
  EXPECT_EQ(opened.session.scenarioEntry, entry);
}

TEST_F(SaveScenarioTest, StartTimeIsStoredInSeconds) {
  const struct {
    const char* box;
    const char* stored;
  } cases[] = {{"0530", "19800.0000"}, {"2400", "86400.0000"}, {"0575", "22500.0000"}};
  for (const auto& c : cases) {
    OpenedScenario opened = Open(kSevernVale, kMorningCoal);
    const ScenarioSession before = opened.session;
    opened.boxes[kBoxStartTime] = c.box;
    ASSERT_EQ(Save(opened), CommandOutcome::kDone) << c.box;
    const Result<EntryProperties> saved = ReadEntryProperties(SavedEntry(before));
    ASSERT_TRUE(saved.ok()) << c.box;
    EXPECT_EQ((*saved)[EntryProperty::StartTime], c.stored) << c.box;
  }
}

TEST_F(SaveScenarioTest, ScratchFilesHoldTheTextsAndOneCrLf) {
  OpenedScenario opened = Open(kSevernVale, kMorningCoal);
  // A consist edit: the document saved is the working text, not the one read.
  std::string& text = opened.session.scenarioText;
  const std::size_t number = text.find(">66142<");
  ASSERT_NE(number, std::string::npos);
  text.replace(number, 7, ">66001<");
  const std::string edited = text;
  const ScenarioSession before = opened.session;
  opened.boxes[kBoxDisplayName] = "Coal Empties";
  ASSERT_EQ(Save(opened), CommandOutcome::kDone);

  const std::string index = before.indexHead + opened.session.scenarioEntry + before.indexTail;
  EXPECT_EQ(test::ReadFileBytes(Scratch("Scenarios.xml")).toStdString(), index + "\r\n");
  EXPECT_EQ(test::ReadFileBytes(Scratch("Scenario.xml")).toStdString(), edited + "\r\n");
  EXPECT_TRUE(test::ReadFileBytes(Scratch("Scenario.xml")).startsWith("<?xml"));  // no BOM
  EXPECT_EQ(IndexXml().toStdString(), index + "\r\n");
  EXPECT_EQ(DocumentXml().toStdString(), edited + "\r\n");
}

TEST_F(SaveScenarioTest, BackupsAccumulateAcrossThreeSaves) {
  const QString route = test::RouteDir(install, kSevernVale);
  const QString scenario = test::ScenarioDir(install, kSevernVale, kMorningCoal);
  std::vector<QByteArray> indexes{IndexBin()}, documents{DocumentBin()};
  for (const char* name : {"First", "Second", "Third"}) {
    OpenedScenario opened = Open(kSevernVale, kMorningCoal);
    opened.boxes[kBoxDisplayName] = name;
    opened.session.scenarioText += name;  // each save writes a different document
    ASSERT_EQ(Save(opened), CommandOutcome::kDone) << name;
    indexes.push_back(IndexBin());
    documents.push_back(DocumentBin());
  }
  const char* suffixes[] = {".bak", ".bak1", ".bak2"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(test::ReadFileBytes(route + "/Scenarios" + suffixes[i]), indexes[i]) << suffixes[i];
    EXPECT_EQ(test::ReadFileBytes(scenario + "/Scenario" + suffixes[i]), documents[i])
        << suffixes[i];
  }
  EXPECT_FALSE(QFile::exists(route + "/Scenarios.bak3"));
  EXPECT_FALSE(QFile::exists(scenario + "/Scenario.bak3"));
  EXPECT_NE(indexes[3], indexes[2]);
  EXPECT_NE(documents[3], documents[2]);
}

TEST_F(SaveScenarioTest, TypeSwitchReplacesTheWordInEveryLetterCase) {
  const struct {
    const char* scenario;
    const char* storedClass;  // put into the entry before the save
    bool chooseTimetable;
    const char* savedClass;
  } cases[] = {
      {kMorningCoal, "eStandardScenarioClass", true, "etimetableScenarioClass"},
      {kMorningCoal, "estandardScenarioClass", true, "etimetableScenarioClass"},
      {kMorningCoal, "eSTANDARDScenarioClass", true, "etimetableScenarioClass"},
      {kMorningCoal, "eStandardScenarioClass", false, "eStandardScenarioClass"},
      {kEveningCommuters, "eTimetableScenarioClass", false, "estandardScenarioClass"},
      {kEveningCommuters, "eTIMETABLEScenarioClass", false, "estandardScenarioClass"},
      {kEveningCommuters, "eTimeTableScenarioClass", true, "eTimeTableScenarioClass"},
  };
  KeepOriginals();
  for (const auto& c : cases) {
    RestoreOriginals();
    OpenedScenario opened = Open(kSevernVale, c.scenario);
    std::string& entry = opened.session.scenarioEntry;
    const std::size_t at = entry.find("<ScenarioClass");
    ASSERT_NE(at, std::string::npos);
    const std::size_t textStart = entry.find('>', at) + 1;
    entry.replace(textStart, entry.find('<', textStart) - textStart, c.storedClass);
    opened.session.isTimetable = IsTimetableEntry(entry);
    // Typed texts are written after the switch and stay as typed.
    opened.boxes[kBoxDisplayName] = "Standard or Timetable";
    const ScenarioSession before = opened.session;

    ScriptedDialogs dialogs;
    ASSERT_EQ(Save(opened, dialogs, c.chooseTimetable), CommandOutcome::kDone) << c.storedClass;
    const std::string saved = SavedEntry(before);
    EXPECT_NE(saved.find(std::string(">") + c.savedClass + "<"), std::string::npos)
        << c.storedClass << " -> " << saved;
    EXPECT_NE(saved.find(">Standard or Timetable<"), std::string::npos) << c.storedClass;
    EXPECT_EQ(opened.session.isTimetable, c.chooseTimetable) << c.storedClass;
  }
}

TEST_F(SaveScenarioTest, ChangeForAllConsistsMovesEveryStartTime) {
  const struct {
    const char* label;
    const char* startBox;
    bool ticked;
    double shift;
  } cases[] = {
      {"ticked, an hour later", "0800", true, 3600},
      {"ticked, to midnight", "0000", true, -25200},
      {"ticked, time unchanged", "0700", true, 0},
      {"not ticked", "0800", false, 0},
  };
  KeepOriginals();
  for (const auto& c : cases) {
    RestoreOriginals();
    OpenedScenario opened = Open(kSevernVale, kMorningCoal);
    const std::vector<double> before =
        StartTimes(QByteArray::fromStdString(opened.session.scenarioTextAsRead));
    ASSERT_GE(before.size(), 4u);
    opened.boxes[kBoxStartTime] = c.startBox;
    ASSERT_EQ(Save(opened, c.ticked), CommandOutcome::kDone) << c.label;

    const QByteArray document = DocumentXml();
    const std::vector<double> after = StartTimes(document);
    ASSERT_EQ(after.size(), before.size()) << c.label;
    for (std::size_t i = 0; i < before.size(); ++i) {
      EXPECT_EQ(after[i], before[i] + c.shift) << c.label << ", element " << i;
    }
    if (c.shift == 0) {
      EXPECT_EQ(document.toStdString(), opened.session.scenarioTextAsRead + "\r\n") << c.label;
    }
  }
}

TEST_F(SaveScenarioTest, WithoutADriverTheAnswerDecides) {
  const QString route = test::RouteDir(install, kSevernVale);
  const QByteArray index = IndexBin(), document = DocumentBin();
  const QStringList routeEntries = Entries(route);

  OpenedScenario opened = Open(kSevernVale, kMorningCoal);
  opened.boxes[kBoxDisplayName] = "Nobody drives";
  ScriptedDialogs no;
  no.answers = {false};
  EXPECT_EQ(Save(opened, no, false, false, ""), CommandOutcome::kStopped);
  EXPECT_EQ(no.Messages(), std::vector<std::string>{kNoDriverQuestion});
  EXPECT_EQ(IndexBin(), index);
  EXPECT_EQ(DocumentBin(), document);
  EXPECT_EQ(Entries(route), routeEntries);
  EXPECT_FALSE(opened.session.saved);

  ScriptedDialogs yes;
  yes.answers = {true};
  EXPECT_EQ(Save(opened, yes, false, false, ""), CommandOutcome::kDone);
  EXPECT_EQ(yes.Messages(), (std::vector<std::string>{kNoDriverQuestion, kSavedMessage}));
  EXPECT_EQ(test::ReadFileBytes(route + "/Scenarios.bak"), index);
}

TEST_F(SaveScenarioTest, TypedTextsAreWrittenInTheIndexEncoding) {
  OpenedScenario opened = Open(kEmeraldCoast, kMorningExpress);
  const ScenarioSession before = opened.session;
  opened.boxes[kBoxDisplayName] = "C\xC3\xB4te d'\xC3\x89meraude \xE2\x80\x93 \xC3\xA9t\xC3\xA9";
  ScriptedDialogs dialogs;
  ASSERT_EQ(Save(opened, dialogs, false, false, "Express 851"), CommandOutcome::kDone);
  EXPECT_NE(SavedEntry(before, kEmeraldCoast).find(">C\xF4te d'\xC9meraude \x96 \xE9t\xE9<"),
            std::string::npos);
}

TEST_F(SaveScenarioTest, ACharacterTheIndexCannotHoldIsRefusedWithNothingWritten) {
  const QString route = test::RouteDir(install, kEmeraldCoast);
  const QByteArray index = IndexBin(kEmeraldCoast);
  const QStringList routeEntries = Entries(route);
  OpenedScenario opened = Open(kEmeraldCoast, kMorningExpress);
  const ScenarioSession before = opened.session;
  opened.boxes[kBoxDescription] = "\xC5\x81\xC3\xB3\x64\xC5\xBA";  // Łódź: Ł and ź are not in 1252
  ScriptedDialogs dialogs;
  EXPECT_EQ(Save(opened, dialogs, false, false, "Express 851"), CommandOutcome::kFailed);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::string& message = dialogs.shown[0].text;
  EXPECT_EQ(message.rfind("An error ", 0), 0u) << message;
  EXPECT_NE(message.find("Description"), std::string::npos) << message;
  EXPECT_TRUE(message.ends_with(" occurred while saving your Scenario")) << message;
  EXPECT_EQ(IndexBin(kEmeraldCoast), index);
  EXPECT_EQ(Entries(route), routeEntries);
  EXPECT_EQ(opened.session.scenarioEntry, before.scenarioEntry);
  EXPECT_FALSE(opened.session.saved);
}

}  // namespace
}  // namespace fennick
