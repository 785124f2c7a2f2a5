#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <functional>
#include <ostream>

#include "browser/save_current_as.h"
#include "browser/saved_copies.h"
#include "browser/saved_game_commands.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using test::ReadFileBytes;
using test::ScriptedDialogs;
using Kind = ScriptedDialogs::Shown::Kind;

const std::string kNoCopySelected =
    "You have not selected a saved file to put in place of CurrentSave.xml.";
const std::string kCurrentSaveItself =
    "The selected file is CurrentSave.xml itself: select one of the saved copies to put in its "
    "place.";

// Morning Coal Empties holds CurrentSave.xml and "Before the junction.xml".
class SaveFilesTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    folderText = app.settings.rsPath + "\\content\\Routes\\" + test::kSevernVale + "\\Scenarios\\" +
                 test::kMorningCoal;
    folder = ScenarioPath(test::kSevernVale, test::kMorningCoal);
    currentSave = ReadFileBytes(folder + "/CurrentSave.xml");
    saved = ReadFileBytes(folder + "/Before the junction.xml");
    ASSERT_FALSE(currentSave.isEmpty());
    ASSERT_FALSE(saved.isEmpty());
    ASSERT_NE(currentSave, saved);
  }
  SavedCopyChoice Choose(std::optional<QString> name) const { return {folderText, name}; }
  QByteArray CurrentSave() const { return ReadFileBytes(folder + "/CurrentSave.xml"); }
  QStringList Listed() const { return ListSavedCopies(folderText); }
  // The stand-ins write a line to launches.log beside themselves once started.
  QByteArray Launches() const {
    const QString log = install.Path("launches.log");
    EXPECT_TRUE(QTest::qWaitFor([&] { return ReadFileBytes(log).endsWith('\n'); }, 20000))
        << "nothing started";
    return ReadFileBytes(log);
  }

  QString folderText;  // as the browser builds it
  QString folder;      // as the file system names it
  QByteArray currentSave, saved;
};

TEST_F(SaveFilesTest, SavedCopiesAreTheXmlFilesOfTheFolderSorted) {
  ASSERT_TRUE(test::WriteFileBytes(folder + "/apple.XML", "a"));
  ASSERT_TRUE(test::WriteFileBytes(folder + "/Zebra.xml", "z"));
  ASSERT_TRUE(test::WriteFileBytes(folder + "/notes.txt", "n"));
  ASSERT_TRUE(QDir().mkpath(folder + "/folder.xml"));
  EXPECT_EQ(Listed(),
            (QStringList{"apple.XML", "Before the junction.xml", "CurrentSave.xml", "Zebra.xml"}));
  EXPECT_TRUE(ListSavedCopies(QString()).isEmpty());
  EXPECT_TRUE(ListSavedCopies(folderText + "-missing").isEmpty());
}

struct SaveAsCase {
  const char* name;
  std::optional<std::string> typed;
  const char* created;  // nullptr: refused
  std::string message;  // the refusal
};

// Test names carry the case; this keeps ctest's listing short.
void PrintTo(const SaveAsCase& c, std::ostream* os) {
  *os << c.name;
}

class SaveAsCases : public SaveFilesTest, public ::testing::WithParamInterface<SaveAsCase> {};

TEST_P(SaveAsCases, CopiesCurrentSaveUnderTheTypedName) {
  const SaveAsCase& c = GetParam();
  const QStringList before = Listed();
  dialogs.texts.push_back(c.typed);
  EXPECT_EQ(SaveCurrentSaveAs(folderText, dialogs), c.created != nullptr);
  ASSERT_GE(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, Kind::Text);
  EXPECT_EQ(dialogs.shown[0].text, "Save CurrentSave.xml as");
  EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
  EXPECT_EQ(CurrentSave(), currentSave);
  if (c.created) {
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(ReadFileBytes(folder + "/" + c.created), currentSave);
  } else {
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Save CurrentSave.xml as", c.message}));
    EXPECT_EQ(Listed(), before);
  }
}

const std::string kNoName = "No name was given: CurrentSave.xml was not copied.";
std::string NotAName(const std::string& typed) {
  return "\"" + typed +
         "\" cannot be used as the name of the copy: give a name without \\, /, : or \"..\".";
}

INSTANTIATE_TEST_SUITE_P(
    SaveAs, SaveAsCases,
    ::testing::Values(
        SaveAsCase{"ExtensionAppended", "Before the tunnel", "Before the tunnel.xml", ""},
        SaveAsCase{"ExtensionInCapitalsKept", "Night run.XML", "Night run.XML", ""},
        SaveAsCase{"ExistingCopyReplaced", "Before the junction", "Before the junction.xml", ""},
        SaveAsCase{"Cancelled", std::nullopt, nullptr, kNoName},
        SaveAsCase{"Empty", "", nullptr, kNoName}, SaveAsCase{"Blanks", "   ", nullptr, kNoName},
        SaveAsCase{"Backslash", "..\\..\\Routes.xml", nullptr, NotAName("..\\..\\Routes.xml")},
        SaveAsCase{"Slash", "sub/copy", nullptr, NotAName("sub/copy")},
        SaveAsCase{"Drive", "C:copy", nullptr, NotAName("C:copy")},
        SaveAsCase{"DoubleDot", "..", nullptr, NotAName("..")},
        SaveAsCase{"ItselfWithoutExtension", "currentsave", nullptr,
                   "CurrentSave.xml cannot be saved as itself: give the copy another name."},
        SaveAsCase{"Itself", "CurrentSave.xml", nullptr,
                   "CurrentSave.xml cannot be saved as itself: give the copy another name."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFilesTest, SaveAsWithoutScenarioOrCurrentSaveAsksNothing) {
  EXPECT_FALSE(SaveCurrentSaveAs(QString(), dialogs));
  ASSERT_TRUE(QFile::remove(folder + "/CurrentSave.xml"));
  EXPECT_FALSE(SaveCurrentSaveAs(folderText, dialogs));
  EXPECT_EQ(
      dialogs.Messages(),
      (std::vector<std::string>{"You have not selected a Scenario?",
                                "There is no CurrentSave.xml to copy in the Scenario's folder " +
                                    QDir::toNativeSeparators(folder).toStdString() + "."}));
  EXPECT_EQ(Listed(), QStringList{"Before the junction.xml"});
}

TEST_F(SaveFilesTest, OverwriteAfterYesPutsTheCopyInPlace) {
  dialogs.answers = {true};
  EXPECT_TRUE(OverwriteCurrentSave(Choose("Before the junction.xml"), dialogs));
  EXPECT_EQ(CurrentSave(), saved);
  EXPECT_EQ(ReadFileBytes(folder + "/Before the junction.xml"), saved);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, Kind::YesNo);
  EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialogs.shown[0].text,
            "This operation will delete your CurrentSave.xml file for this Scenario and replace "
            "it\nwith the selected file. Proceed?");
  // Nothing is left behind from the copy.
  EXPECT_EQ(Listed(), (QStringList{"Before the junction.xml", "CurrentSave.xml"}));
  EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);  // with Scenario.bin
}

TEST_F(SaveFilesTest, OverwriteAfterNoTouchesNothing) {
  dialogs.answers = {false};
  EXPECT_FALSE(OverwriteCurrentSave(Choose("Before the junction.xml"), dialogs));
  EXPECT_EQ(CurrentSave(), currentSave);
}

struct RefusalCase {
  const char* name;
  bool withScenario;
  std::optional<QString> selected;
  std::string message;
};

// Test names carry the case; this keeps ctest's listing short.
void PrintTo(const RefusalCase& c, std::ostream* os) {
  *os << c.name;
}

class ReplaceRefusals : public SaveFilesTest, public ::testing::WithParamInterface<RefusalCase> {
 protected:
  SavedCopyChoice Choice() const {
    return {GetParam().withScenario ? folderText : QString(), GetParam().selected};
  }
};

// Refused before the question is asked: no answers are scripted, so a question fails the test.
TEST_P(ReplaceRefusals, EachReplacingCommandRefusesAndKeepsCurrentSave) {
  const RefusalCase& c = GetParam();
  EXPECT_FALSE(OverwriteCurrentSave(Choice(), dialogs));
  EXPECT_FALSE(RunRailSimWithSave(app.settings.rsPath, Choice(), false, dialogs));
  EXPECT_FALSE(RunEditorWithSave(app.settings.rsPath, Choice(), dialogs));
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{c.message, c.message, c.message}));
  EXPECT_EQ(CurrentSave(), currentSave);
  EXPECT_FALSE(QFile::exists(install.Path("launches.log")));
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, ReplaceRefusals,
    ::testing::Values(
        RefusalCase{"NoScenario", false, "Before the junction.xml",
                    "You have not selected a Scenario?"},
        RefusalCase{"NothingSelected", true, std::nullopt, kNoCopySelected},
        RefusalCase{"EmptySelection", true, QString(), kNoCopySelected},
        RefusalCase{"CurrentSaveItself", true, "CurrentSave.xml", kCurrentSaveItself},
        RefusalCase{"CurrentSaveInCapitals", true, "CURRENTSAVE.XML", kCurrentSaveItself},
        RefusalCase{"OutsideTheFolder", true, "..\\..\\Scenarios.bin",
                    "\"..\\..\\Scenarios.bin\" is not the name of a file in the Scenario's "
                    "folder."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveFilesTest, AMissingCopyIsRefused) {
  EXPECT_FALSE(OverwriteCurrentSave(Choose("Gone.xml"), dialogs));
  EXPECT_EQ(
      dialogs.Messages(),
      std::vector<std::string>{"The saved file " + QDir::toNativeSeparators(folder).toStdString() +
                               "/Gone.xml does not exist."});
  EXPECT_EQ(CurrentSave(), currentSave);
}

TEST_F(SaveFilesTest, AFailedCopyKeepsCurrentSave) {
  // A folder of that name cannot be read as a file: the copy fails after the question.
  ASSERT_TRUE(QDir().mkpath(folder + "/Broken.xml"));
  const SavedCopyChoice choice = Choose("Broken.xml");
  const std::vector<std::function<bool()>> commands = {
      [&] { return OverwriteCurrentSave(choice, dialogs); },
      [&] { return RunRailSimWithSave(app.settings.rsPath, choice, false, dialogs); },
      [&] { return RunEditorWithSave(app.settings.rsPath, choice, dialogs); }};
  for (std::size_t command = 0; command < commands.size(); ++command) {
    SCOPED_TRACE(command);
    dialogs.shown.clear();
    dialogs.answers = {true};
    EXPECT_FALSE(commands[command]());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[1].text.rfind("CurrentSave.xml was left as it was: the selected file "
                                          "could not be copied over it.\n",
                                          0),
              0u)
        << dialogs.shown[1].text;
    EXPECT_EQ(CurrentSave(), currentSave);
    EXPECT_EQ(Listed(), (QStringList{"Before the junction.xml", "CurrentSave.xml"}));
  }
  EXPECT_FALSE(QFile::exists(install.Path("launches.log"))) << "nothing may start after a failure";
}

const std::string kRunQuestionText =
    "This operation will delete your CurrentSave.xml file for this Scenario. If you have not "
    "saved it,\nclick NO and save it before proceeding. Proceed?";

TEST_F(SaveFilesTest, RunRailSimAfterYesReplacesThenStarts) {
  dialogs.answers = {true};
  EXPECT_TRUE(
      RunRailSimWithSave(app.settings.rsPath, Choose("Before the junction.xml"), false, dialogs));
  EXPECT_EQ(CurrentSave(), saved);
  EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{kRunQuestionText});
  EXPECT_TRUE(Launches().startsWith("RailSim.exe\t"));
}

TEST_F(SaveFilesTest, RunRailSimWithAnEmptyListStartsAtOnce) {
  EXPECT_TRUE(RunRailSimWithSave(app.settings.rsPath, Choose(std::nullopt), true, dialogs));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(CurrentSave(), currentSave);
  EXPECT_TRUE(Launches().startsWith("RailSim.exe\t"));
}

TEST_F(SaveFilesTest, AnswerNoStartsNothing) {
  dialogs.answers = {false, false};
  EXPECT_FALSE(
      RunRailSimWithSave(app.settings.rsPath, Choose("Before the junction.xml"), false, dialogs));
  EXPECT_FALSE(RunEditorWithSave(app.settings.rsPath, Choose("Before the junction.xml"), dialogs));
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{kRunQuestionText, kRunQuestionText}));
  EXPECT_EQ(CurrentSave(), currentSave);
  EXPECT_FALSE(QFile::exists(install.Path("launches.log")));
}

TEST_F(SaveFilesTest, AFailedStartIsReported) {
  ASSERT_TRUE(QFile::remove(install.Path("RailSim.exe")));
  EXPECT_FALSE(RunRailSimWithSave(app.settings.rsPath, Choose(std::nullopt), true, dialogs));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text.rfind("Could not start ", 0), 0u) << dialogs.shown[0].text;
  EXPECT_NE(dialogs.shown[0].text.find("RailSim.exe"), std::string::npos);
}

TEST_F(SaveFilesTest, RunEditorAfterYesReplacesThenStartsTheEditor) {
  dialogs.answers = {true};
  EXPECT_TRUE(RunEditorWithSave(app.settings.rsPath, Choose("Before the junction.xml"), dialogs));
  EXPECT_EQ(CurrentSave(), saved);
  EXPECT_TRUE(Launches().startsWith("RailSimEditor.exe\t"));
}

TEST_F(SaveFilesTest, WithoutDevToolsTheEditorIsMissingAfterTheReplacement) {
  ASSERT_TRUE(QFile::remove(install.Path("RailSimEditor.exe")));
  dialogs.answers = {true};
  EXPECT_FALSE(RunEditorWithSave(app.settings.rsPath, Choose("Before the junction.xml"), dialogs));
  EXPECT_EQ(CurrentSave(), saved);
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{kRunQuestionText,
                                      "You do not appear to have the Dev Tools installed.\n"
                                      "Please Run Rail Simulator instead."}));
}

}  // namespace
}  // namespace fennick::browser
