#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUuid>
#include <deque>
#include <functional>

#include "persist/clone_scenario.h"
#include "persist/save_messages.h"
#include "scenario/scenario_entry.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

using test::kMorningCoal;
using test::kSevernVale;
using test::OpenedScenario;
using test::ScriptedDialogs;

constexpr const char* kDriven = "6Z41 Holtby - Marsh Colliery";
constexpr const char* kNewId = "00112233-4455-6677-8899-AABBCCDDEEFF";
constexpr const char* kRefusal = "The cloned Scenario was not created: ";

IdentifierText FixedIdentifier() {
  return IdentifierFromGuid(QUuid(QStringLiteral("{00112233-4455-6677-8899-aabbccddeeff}")));
}

void Replace(std::string& text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
}

class CloneScenarioTest : public test::SampleFixture {
 public:
  QString RouteFolder() const { return test::RouteDir(install, kSevernVale); }
  QString ScenariosFolder() const { return RouteFolder() + "/Scenarios"; }
  QString ScratchFile(const QString& name) const { return Scratch(name); }

  static void BlockWithFolder(const QString& path) {
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path + "/in-the-way")) << path.toStdString();
  }

 protected:
  CloneResult Clone(OpenedScenario& opened, ScriptedDialogs& dialogs,
                    const IdentifierSource& source = FixedIdentifier,
                    const std::string& driven = kDriven) {
    return CloneScenario(test::ContextOf(install), opened.session, {opened.boxes, driven}, dialogs,
                         source);
  }
  OpenedScenario OpenRenamed() {
    OpenedScenario opened = Open(kSevernVale, kMorningCoal);
    opened.boxes[kBoxDisplayName] = "Morning Coal Returns";
    return opened;
  }
};

TEST_F(CloneScenarioTest, AddsTheNewEntryRightBehindTheUnchangedSource) {
  OpenedScenario opened = OpenRenamed();
  opened.boxes[kBoxStartTime] = "0800";
  opened.session.scenarioText += "<!-- a consist edit the clone leaves out -->";
  const ScenarioSession before = opened.session;
  const QByteArray indexBefore = IndexBin(), documentBefore = DocumentBin();
  const QStringList sourceEntries = Entries(test::ScenarioDir(install, kSevernVale, kMorningCoal));

  ScriptedDialogs dialogs;
  dialogs.answers = {true};
  const CloneResult result = Clone(opened, dialogs);
  ASSERT_EQ(result.outcome, CommandOutcome::kDone) << testing::PrintToString(dialogs.Messages());
  EXPECT_EQ(result.newFolderName, kNewId);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].kind, ScriptedDialogs::Shown::OkCancel);
  EXPECT_EQ(dialogs.shown[0].text, kCloneNote);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(dialogs.shown[1].text, "Your New Scenarios.bin file has been updated.");
  EXPECT_EQ(dialogs.shown[1].icon, MessageIcon::Information);

  // Source entry byte for byte, the new one right behind it, the rest as read.
  const std::string index = IndexXml().toStdString();
  const std::string head = before.indexHead + before.scenarioEntry;
  const std::string tail = before.indexTail + "\r\n";
  ASSERT_TRUE(index.starts_with(head));
  ASSERT_TRUE(index.ends_with(tail));
  const std::string newEntry = index.substr(head.size(), index.size() - head.size() - tail.size());

  // The new entry differs from the source in its element number, both identifier numbers, its
  // DevString and the properties typed.
  std::string expected = before.scenarioEntry;
  Replace(expected, "d:id=\"187654321\"", "d:id=\"187657448\"");
  static const QRegularExpression numbers("<e d:type=\"sUInt64\">(\\d+)</e>");
  auto match = numbers.globalMatch(QString::fromStdString(before.scenarioEntry));
  Replace(expected, ">" + match.next().captured(1).toStdString() + "<", ">7383445245961249331<");
  Replace(expected, ">" + match.next().captured(1).toStdString() + "<", ">18441921395520346504<");
  Replace(expected, ">0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301<", std::string(">") + kNewId + "<");
  EntryProperties typed;
  typed.values = {"Morning Coal Returns",
                  opened.boxes[kBoxDescription],
                  opened.boxes[kBoxBriefing],
                  "28800.0000",
                  "60",
                  "14",
                  "6",
                  "2007",
                  "SEASON_SUMMER",
                  "Kuju",
                  "RailSimulator",
                  "Weather\\Clear.xml"};
  ASSERT_TRUE(WriteEntryProperties(expected, typed).ok());
  EXPECT_EQ(newEntry, expected);

  // The new folder bears the DevString and holds the document as read, nothing else.
  const QString newFolder = ScenariosFolder() + "/" + kNewId;
  EXPECT_EQ(Entries(newFolder), QStringList{"Scenario.bin"});
  EXPECT_EQ(test::DecodeBin(newFolder + "/Scenario.bin").toStdString(),
            before.scenarioTextAsRead + "\r\n");

  EXPECT_EQ(test::ReadFileBytes(RouteFolder() + "/Scenarios.bak"), indexBefore);
  EXPECT_EQ(DocumentBin(), documentBefore);
  EXPECT_EQ(Entries(test::ScenarioDir(install, kSevernVale, kMorningCoal)), sourceEntries);

  EXPECT_TRUE(opened.session.saved);
  EXPECT_EQ(opened.session.scenarioEntry, before.scenarioEntry);
  EXPECT_EQ(opened.session.indexTail, newEntry + before.indexTail);
}

TEST_F(CloneScenarioTest, AnElementNumberThatGainsADigitIsWrittenWhole) {
  OpenedScenario opened = OpenRenamed();
  Replace(opened.session.scenarioEntry, "d:id=\"187654321\"", "d:id=\"999998000\"");
  const ScenarioSession before = opened.session;
  ScriptedDialogs dialogs;
  dialogs.answers = {true};
  ASSERT_EQ(Clone(opened, dialogs).outcome, CommandOutcome::kDone);

  const std::string index = IndexXml().toStdString();
  const std::string head = before.indexHead + before.scenarioEntry;
  ASSERT_TRUE(index.starts_with(head));
  EXPECT_EQ(index.substr(head.size(), 42), "<cScenarioProperties d:id=\"1000001127\">\r\n\t");
}

class CloneRefusalTest;

struct CloneRefusal {
  const char* name;
  std::function<void(CloneRefusalTest&, OpenedScenario&)> arrange;
  IdentifierSource identifiers;
  std::string driven;
  std::deque<bool> answers;
  std::vector<std::string> messages;  // the last may be a refusal, matched by its beginning
};
void PrintTo(const CloneRefusal& refusal, std::ostream* os) {
  *os << refusal.name;
}

class CloneRefusalTest : public CloneScenarioTest,
                         public ::testing::WithParamInterface<CloneRefusal> {};

TEST_P(CloneRefusalTest, RefusesWithAMessageAndWritesNothing) {
  const CloneRefusal& refusal = GetParam();
  OpenedScenario opened = OpenRenamed();
  refusal.arrange(*this, opened);
  const QByteArray index = IndexBin();
  const QStringList routeEntries = Entries(RouteFolder());
  const QStringList scenarios = Entries(ScenariosFolder());

  ScriptedDialogs dialogs;
  dialogs.answers = refusal.answers;
  const CloneResult result = Clone(opened, dialogs, refusal.identifiers, refusal.driven);
  EXPECT_EQ(result.outcome, CommandOutcome::kStopped);
  EXPECT_TRUE(result.newFolderName.empty());

  const std::vector<std::string> shown = dialogs.Messages();
  ASSERT_EQ(shown.size(), refusal.messages.size()) << testing::PrintToString(shown);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    if (refusal.messages[i] == kRefusal) {
      EXPECT_TRUE(shown[i].starts_with(kRefusal)) << shown[i];
    } else {
      EXPECT_EQ(shown[i], refusal.messages[i]);
    }
  }
  EXPECT_EQ(IndexBin(), index);
  EXPECT_EQ(Entries(RouteFolder()), routeEntries);
  EXPECT_EQ(Entries(ScenariosFolder()), scenarios);
  EXPECT_FALSE(opened.session.saved);
}

const auto kNoArrangement = [](CloneRefusalTest&, OpenedScenario&) {};

const CloneRefusal kCloneRefusals[] = {
    {"NameUnchanged",
     [](CloneRefusalTest&, OpenedScenario& o) {
       o.boxes[kBoxDisplayName] = "Morning Coal Empties";
     },
     FixedIdentifier,
     kDriven,
     {},
     {kNameUnchangedMessage}},
    {"NameChangedOnlyInLetterCase",
     [](CloneRefusalTest&, OpenedScenario& o) {
       o.boxes[kBoxDisplayName] = "MORNING COAL EMPTIES";
     },
     FixedIdentifier,
     kDriven,
     {},
     {kNameUnchangedMessage}},
    {"NameWithAFileNameCharacter",
     [](CloneRefusalTest&, OpenedScenario& o) { o.boxes[kBoxDisplayName] = "Coal: the return"; },
     FixedIdentifier,
     kDriven,
     {},
     {kIllegalNameMessage}},
    {"CancelOnTheNote", kNoArrangement, FixedIdentifier, kDriven, {false}, {kCloneNote}},
    {"APropertyCheckFails",
     [](CloneRefusalTest&, OpenedScenario& o) { o.boxes[kBoxStartDay] = "32"; },
     FixedIdentifier,
     kDriven,
     {true},
     {kCloneNote, kStartDayMessage}},
    {"NoDriverAndTheAnswerNo",
     kNoArrangement,
     FixedIdentifier,
     "",
     {true, false},
     {kCloneNote, kNoDriverQuestion}},
    {"NoIdentifierFromThePlatform",
     kNoArrangement,
     [] {
       return IdentifierText{"", "0", "0"};
     },
     kDriven,
     {true},
     {kCloneNote, kRefusal}},
    {"AnIdentifierUnfitForAFolderName",
     kNoArrangement,
     [] {
       return IdentifierText{"..\\Elsewhere", "1", "2"};
     },
     kDriven,
     {true},
     {kCloneNote, kRefusal}},
    {"AFolderOfThatNameExists",
     [](CloneRefusalTest& t, OpenedScenario&) {
       ASSERT_TRUE(QDir().mkpath(t.ScenariosFolder() + "/" + kNewId));
     },
     FixedIdentifier,
     kDriven,
     {true},
     {kCloneNote, kRefusal}},
    {"AFolderOfThatNameExistsInOtherLetterCase",
     [](CloneRefusalTest& t, OpenedScenario&) {
       ASSERT_TRUE(QDir().mkpath(t.ScenariosFolder() + "/" + QString(kNewId).toLower()));
     },
     FixedIdentifier,
     kDriven,
     {true},
     {kCloneNote, kRefusal}},
    {"AnEntryWithoutUuid",
     [](CloneRefusalTest&, OpenedScenario& o) {
       Replace(o.session.scenarioEntry, "<UUID>", "<GUID>");
       Replace(o.session.scenarioEntry, "</UUID>", "</GUID>");
     },
     FixedIdentifier,
     kDriven,
     {true},
     {kCloneNote, kRefusal}},
};

INSTANTIATE_TEST_SUITE_P(Refusals, CloneRefusalTest, ::testing::ValuesIn(kCloneRefusals),
                         [](const ::testing::TestParamInfo<CloneRefusal>& info) {
                           return std::string(info.param.name);
                         });

class CloneFaultTest;

struct CloneFault {
  const char* name;
  std::function<void(CloneFaultTest&)> provoke;
};
void PrintTo(const CloneFault& fault, std::ostream* os) {
  *os << fault.name;
}

class CloneFaultTest : public CloneScenarioTest,
                       public ::testing::WithParamInterface<CloneFault> {};

// A clone that fails at one step must put the index back, leave no new folder and report no
// success.
TEST_P(CloneFaultTest, PutsTheIndexBackAndRemovesTheNewFolder) {
  OpenedScenario opened = OpenRenamed();
  const ScenarioSession before = opened.session;
  GetParam().provoke(*this);
  const QByteArray index = IndexBin();
  const QStringList routeEntries = Entries(RouteFolder());
  QStringList scenarios = Entries(ScenariosFolder());

  ScriptedDialogs dialogs;
  dialogs.answers = {true};
  const CloneResult result = Clone(opened, dialogs);
  qunsetenv("FENNICK_SERZ_FAIL");
  qunsetenv("FENNICK_SERZ_LOG");
  EXPECT_EQ(result.outcome, CommandOutcome::kFailed);

  const std::vector<std::string> shown = dialogs.Messages();
  ASSERT_EQ(shown.size(), 2u) << testing::PrintToString(shown);
  EXPECT_EQ(shown[0], kCloneNote);
  EXPECT_TRUE(shown[1].starts_with("An error ")) << shown[1];
  EXPECT_TRUE(shown[1].ends_with(" occurred while saving your Scenario")) << shown[1];

  EXPECT_EQ(IndexBin(), index);
  EXPECT_EQ(Entries(RouteFolder()), routeEntries);
  EXPECT_FALSE(QFileInfo(ScenariosFolder() + "/" + kNewId).isDir());
  QStringList after = Entries(ScenariosFolder());
  after.removeAll(kNewId);  // the converter's log, when that is what stood in the way
  EXPECT_EQ(after, scenarios);
  EXPECT_FALSE(opened.session.saved);
  EXPECT_EQ(opened.session.indexTail, before.indexTail);
}

const CloneFault kCloneFaults[] = {
    {"IndexScratchFileCannotBeWritten",
     [](CloneFaultTest& t) { CloneScenarioTest::BlockWithFolder(t.ScratchFile("Scenarios.xml")); }},
    {"IndexCannotBeRenamedToItsBackup",
     [](CloneFaultTest& t) {
       CloneScenarioTest::BlockWithFolder(t.RouteFolder() + "/Scenarios.bak");
     }},
    {"IndexConversionExitsWithAnError",
     [](CloneFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "exit:Scenarios.xml"); }},
    {"IndexConversionWritesNothing",
     [](CloneFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "silent:Scenarios.xml"); }},
    {"DocumentScratchFileCannotBeWritten",
     [](CloneFaultTest& t) { CloneScenarioTest::BlockWithFolder(t.ScratchFile("Scenario.xml")); }},
    // The converter's run log appears under the new folder's name after the name was checked.
    {"NewFolderCannotBeCreated",
     [](CloneFaultTest& t) {
       qputenv("FENNICK_SERZ_LOG", (t.ScenariosFolder() + "/" + kNewId).toLocal8Bit());
     }},
    {"DocumentConversionExitsWithAnError",
     [](CloneFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "exit:Scenario.xml"); }},
    {"DocumentConversionWritesNothing",
     [](CloneFaultTest&) { qputenv("FENNICK_SERZ_FAIL", "silent:Scenario.xml"); }},
};

INSTANTIATE_TEST_SUITE_P(EveryStep, CloneFaultTest, ::testing::ValuesIn(kCloneFaults),
                         [](const ::testing::TestParamInfo<CloneFault>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace fennick
