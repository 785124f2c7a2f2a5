#include <gtest/gtest.h>

#include "persist/clone_scenario.h"
#include "persist/keep_backup.h"
#include "persist/save_messages.h"
#include "persist/save_scenario.h"
#include "tests/persist/sample_fixture.h"

namespace fennick {
namespace {

using test::kNewId;

class NothingLostTest;
using Obstacle = void (*)(NothingLostTest&);  // what stands in the command's way

struct Stop {
  const char* name;
  bool clone;  // else a save
  Obstacle obstacle;
  const char* converterFault;  // FENNICK_SERZ_FAIL, or nullptr
  CommandOutcome outcome;
  std::vector<std::string> messages;  // each must be found in the message shown in its place
};
void PrintTo(const Stop& stop, std::ostream* os) {
  *os << stop.name;
}

// Every way a save or clone stops short (a failed file step or conversion, a refusal): it says
// why, shows no success, leaves every .bin, backup and folder as it was and keeps the edits.
class NothingLostTest : public test::SampleFixture, public ::testing::WithParamInterface<Stop> {
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

  OpenedScenario opened = Open();
  PropertyBoxes boxes = opened.view.boxes;
  std::string driven = test::kDriven;
  IdentifierText identifier = test::NewId();
  bool noteAnswer = true;
};

TEST_P(NothingLostTest, SaysWhyAndLosesNothing) {
  const Stop& stop = GetParam();
  boxes[kBoxDisplayName] = "Faulty save";
  boxes[kBoxStartTime] = "0800";
  opened.session.scenarioText += "<!-- edited -->";
  if (stop.obstacle) stop.obstacle(*this);
  const ScenarioSession before = opened.session;
  if (stop.converterFault) qputenv("FENNICK_SERZ_FAIL", stop.converterFault);
  const QByteArray index = IndexBin(), document = DocumentBin();
  const QStringList routeEntries = Entries(RouteDir()), scenarios = Entries(ScenariosDir());
  const QStringList scenarioEntries = Entries(ScenarioDir());

  test::ScriptedDialogs dialogs;
  dialogs.answers = {false};                               // to the driver question
  if (stop.clone) dialogs.answers.push_front(noteAnswer);  // to the clone's note first
  const CommandOutcome outcome =
      stop.clone ? CloneScenario(Context(), opened.session, {boxes, driven}, dialogs,
                                 [this] { return identifier; })
                       .outcome
                 : SaveScenario(Context(), opened.session, {boxes, false, true, driven}, dialogs);
  ClearConverterFaults();
  EXPECT_EQ(outcome, stop.outcome);
  const std::vector<std::string> shown = dialogs.Messages();
  ASSERT_EQ(shown.size(), stop.messages.size()) << testing::PrintToString(shown);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_NE(shown[i].find(stop.messages[i]), std::string::npos) << shown[i];
  }
  if (stop.outcome == CommandOutcome::kFailed) {
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

using T = NothingLostTest;
const Obstacle kNone = nullptr;
const Obstacle kIndexScratch = [](T& t) { T::Block(t.Scratch("Scenarios.xml")); };
const Obstacle kDocumentScratch = [](T& t) { T::Block(t.Scratch("Scenario.xml")); };
const Obstacle kIndexBackup = [](T& t) { T::Block(t.RouteDir() + "/Scenarios.bak"); };
const Obstacle kDocumentBackup = [](T& t) { T::Block(t.ScenarioDir() + "/Scenario.bak"); };
const Obstacle kEarlierBackups = [](T& t) { t.TakeBackupNames(0); };
// Every backup name taken: the converter writes over the .bin.
const Obstacle kAllBackups = [](T& t) { t.TakeBackupNames(kNumberedBackups); };
// The converter's run log appears under the new folder's name once the name was checked.
const Obstacle kNewFolder = [](T& t) {
  qputenv("FENNICK_SERZ_LOG", (t.ScenariosDir() + "/" + kNewId).toUtf8());
};
// Łódź: the index's encoding (Windows-1252) cannot hold Ł and ź.
const Obstacle kUnwritableName = [](T& t) {
  t.boxes[kBoxDisplayName] = "\xC5\x81\xC3\xB3\x64\xC5\xBA";
};
const Obstacle kNameUnchanged = [](T& t) { t.boxes[kBoxDisplayName] = "Morning Coal Empties"; };
const Obstacle kCancelOnNote = [](T& t) { t.noteAnswer = false; };
const Obstacle kStartDay32 = [](T& t) { t.boxes[kBoxStartDay] = "32"; };
const Obstacle kNoDriver = [](T& t) { t.driven.clear(); };
const Obstacle kNoIdentifier = [](T& t) { t.identifier = {"", "0", "0"}; };
const Obstacle kUnfitIdentifier = [](T& t) { t.identifier = {"..\\Elsewhere", "1", "2"}; };
const Obstacle kFolderTaken = [](T& t) {
  ASSERT_TRUE(QDir().mkpath(t.ScenariosDir() + "/" + kNewId));
};
const Obstacle kFolderInOtherCase = [](T& t) {
  ASSERT_TRUE(QDir().mkpath(t.ScenariosDir() + "/" + QString(kNewId).toLower()));
};
// Another copy of the program changed this scenario's own entry in the index meanwhile, or
// dropped it.
const Obstacle kSavedElsewhere = [](T& t) { t.SaveElsewhere(test::kMorningCoal, "Elsewhere"); };
const Obstacle kDroppedElsewhere = [](T& t) {
  std::string index = t.IndexXml();
  test::Replace(index, test::kMorningCoal, "0a3f5e71-0000-0000-0000-000000000000");
  ASSERT_TRUE(test::WriteBin(t.RouteDir() + "/Scenarios.bin", index));
};
const Obstacle kNoUuid = [](T& t) {
  test::Replace(t.opened.session.scenarioEntry, "<UUID>", "<GUID>");
  test::Replace(t.opened.session.scenarioEntry, "</UUID>", "</GUID>");
};

constexpr bool kSave = false, kClone = true;
constexpr CommandOutcome kFailed = CommandOutcome::kFailed, kStopped = CommandOutcome::kRefused;
constexpr const char* kUnchanged = "no scenario file was changed";
constexpr const char* kPutBack = "the scenario files were put back as they were";
constexpr const char* kRefused = "The cloned Scenario was not created: ";
constexpr const char* kNote = kCloneNote;
constexpr const char* kExit = "exit:Scenario.xml";
constexpr const char* kSilent = "silent:Scenario.xml";
constexpr const char* kIndexExit = "exit:Scenarios.xml";
constexpr const char* kIndexSilent = "silent:Scenarios.xml";
constexpr const char* kChangedToo =
    "changed by another program since this scenario was opened, "
    "and its entry there changed too";
constexpr const char* kListedNoMore = "opened and no longer lists it";

const Stop kStops[] = {
    {"SaveStartDay32", kSave, kStartDay32, nullptr, kStopped, {kStartDayMessage}},
    {"SaveNoDriver", kSave, kNoDriver, nullptr, kStopped, {kNoDriverQuestion}},
    {"SaveUnwritableName", kSave, kUnwritableName, nullptr, kFailed, {"Display Name cannot be"}},
    {"SaveIndexScratch", kSave, kIndexScratch, nullptr, kFailed, {kUnchanged}},
    {"SaveIndexBackup", kSave, kIndexBackup, nullptr, kFailed, {kUnchanged}},
    {"SaveIndexConversionExits", kSave, kNone, kIndexExit, kFailed, {kPutBack}},
    {"SaveIndexConversionSilent", kSave, kNone, kIndexSilent, kFailed, {kPutBack}},
    {"SaveDocumentScratch", kSave, kDocumentScratch, nullptr, kFailed, {kPutBack}},
    {"SaveDocumentBackup", kSave, kDocumentBackup, nullptr, kFailed, {kPutBack}},
    {"SaveDocumentConversionExits", kSave, kNone, kExit, kFailed, {kPutBack}},
    {"SaveDocumentConversionSilent", kSave, kNone, kSilent, kFailed, {kPutBack}},
    {"SaveAfterEarlierSaves", kSave, kEarlierBackups, kExit, kFailed, {kPutBack}},
    {"SaveAllBackupNamesTaken", kSave, kAllBackups, kExit, kFailed, {kPutBack}},
    {"SaveAfterAnotherCopySavedIt", kSave, kSavedElsewhere, nullptr, kStopped, {kChangedToo}},
    {"SaveAfterAnotherCopyDroppedIt", kSave, kDroppedElsewhere, nullptr, kStopped, {kListedNoMore}},
    {"CloneNameUnchanged", kClone, kNameUnchanged, nullptr, kStopped, {kNameUnchangedMessage}},
    {"CloneCancelOnNote", kClone, kCancelOnNote, nullptr, kStopped, {kNote}},
    {"CloneStartDay32", kClone, kStartDay32, nullptr, kStopped, {kNote, kStartDayMessage}},
    {"CloneNoDriver", kClone, kNoDriver, nullptr, kStopped, {kNote, kNoDriverQuestion}},
    {"CloneNoIdentifier", kClone, kNoIdentifier, nullptr, kStopped, {kNote, kRefused}},
    {"CloneUnfitIdentifier", kClone, kUnfitIdentifier, nullptr, kStopped, {kNote, kRefused}},
    {"CloneFolderTaken", kClone, kFolderTaken, nullptr, kStopped, {kNote, kRefused}},
    {"CloneFolderInOtherCase", kClone, kFolderInOtherCase, nullptr, kStopped, {kNote, kRefused}},
    {"CloneEntryWithoutUuid", kClone, kNoUuid, nullptr, kStopped, {kNote, kRefused}},
    {"CloneIndexScratch", kClone, kIndexScratch, nullptr, kFailed, {kNote, kUnchanged}},
    {"CloneIndexBackup", kClone, kIndexBackup, nullptr, kFailed, {kNote, kUnchanged}},
    {"CloneIndexConversionExits", kClone, kNone, kIndexExit, kFailed, {kNote, kPutBack}},
    {"CloneIndexConversionSilent", kClone, kNone, kIndexSilent, kFailed, {kNote, kPutBack}},
    {"CloneDocumentScratch", kClone, kDocumentScratch, nullptr, kFailed, {kNote, kPutBack}},
    {"CloneNewFolder", kClone, kNewFolder, nullptr, kFailed, {kNote, kPutBack}},
    {"CloneDocumentConversionExits", kClone, kNone, kExit, kFailed, {kNote, kPutBack}},
    {"CloneDocumentConversionSilent", kClone, kNone, kSilent, kFailed, {kNote, kPutBack}},
    {"CloneAllBackupNamesTaken", kClone, kAllBackups, kExit, kFailed, {kNote, kPutBack}},
    {"CloneAfterAnotherCopySavedIt",
     kClone,
     kSavedElsewhere,
     nullptr,
     kStopped,
     {kNote, kChangedToo}},
};

INSTANTIATE_TEST_SUITE_P(EveryStop, NothingLostTest, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fennick
