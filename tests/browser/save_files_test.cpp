#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "browser/save_current_as.h"
#include "browser/saved_copies.h"
#include "browser/saved_game_commands.h"
#include "tests/browser/browser_fixture.h"

namespace fennick::browser {
namespace {

using test::ReadFileBytes;
using Kind = test::ScriptedDialogs::Shown::Kind;

enum Command { kOverwrite, kRunRailSim, kRunEditor };

// Morning Coal Empties holds CurrentSave.xml and "Before the junction.xml".
class SaveFilesTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    currentSave = CurrentSave();
    saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
    ASSERT_FALSE(currentSave.isEmpty());
    ASSERT_FALSE(saved.isEmpty());
    ASSERT_NE(currentSave, saved);
  }
  SavedCopyChoice Choose(std::optional<QString> name) const { return {MorningCoalText(), name}; }
  QByteArray CurrentSave() const { return ReadFileBytes(MorningCoal("CurrentSave.xml")); }
  QStringList Listed() const { return ListSavedCopies(MorningCoalText()); }
  bool Run(Command command, const SavedCopyChoice& choice, bool listIsEmpty = false) {
    if (command == kOverwrite) return OverwriteCurrentSave(choice, dialogs);
    if (command == kRunRailSim) {
      return RunRailSimWithSave(app.settings.rsPath, choice, listIsEmpty, dialogs);
    }
    return RunEditorWithSave(app.settings.rsPath, choice, dialogs);
  }

  QByteArray currentSave, saved;
};

TEST_F(SaveFilesTest, SavedCopiesAreTheXmlFilesOfTheFolderSorted) {
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("apple.XML"), "a"));
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("Zebra.xml"), "z"));
  ASSERT_TRUE(test::WriteFileBytes(MorningCoal("notes.txt"), "n"));
  ASSERT_TRUE(QDir().mkpath(MorningCoal("folder.xml")));
  EXPECT_EQ(Listed(),
            (QStringList{"apple.XML", "Before the junction.xml", "CurrentSave.xml", "Zebra.xml"}));
  EXPECT_TRUE(ListSavedCopies(QString()).isEmpty());
  EXPECT_TRUE(ListSavedCopies(MorningCoalText() + "-missing").isEmpty());
}

TEST_F(SaveFilesTest, SaveAsCopiesCurrentSaveUnderTheTypedName) {
  const std::string noName = "No name was given: CurrentSave.xml was not copied.";
  const std::string itself =
      "CurrentSave.xml cannot be saved as itself: give the copy another name.";
  const auto notAName = [](const std::string& typed) {
    return "\"" + typed +
           "\" cannot be used as the name of the copy: give a name without \\, /, : or \"..\".";
  };
  const struct {
    std::optional<std::string> typed;
    const char* created;  // nullptr: refused with the message
    std::string message;
  } cases[] = {{"Before the tunnel", "Before the tunnel.xml", ""},
               {"Night run.XML", "Night run.XML", ""},
               {"Before the junction", "Before the junction.xml", ""},  // replaced
               {std::nullopt, nullptr, ""},                             // Cancel says nothing
               {"", nullptr, noName},
               {"   ", nullptr, noName},
               {"..\\..\\Routes.xml", nullptr, notAName("..\\..\\Routes.xml")},
               {"sub/copy", nullptr, notAName("sub/copy")},
               {"currentsave", nullptr, itself},
               {"CurrentSave.xml", nullptr, itself}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed.value_or("(cancelled)"));
    const QStringList before = Listed();
    dialogs.shown.clear();
    dialogs.texts = {c.typed};
    EXPECT_EQ(SaveCurrentSaveAs(MorningCoalText(), dialogs), c.created != nullptr);
    ASSERT_GE(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::Text);
    EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
    EXPECT_EQ(CurrentSave(), currentSave);
    if (c.created) {
      EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Save CurrentSave.xml as"});
      EXPECT_EQ(ReadFileBytes(MorningCoal(c.created)), currentSave);
    } else {
      std::vector<std::string> expected{"Save CurrentSave.xml as"};
      if (!c.message.empty()) expected.push_back(c.message);
      EXPECT_EQ(dialogs.Messages(), expected);
      EXPECT_EQ(Listed(), before);
    }
  }
}

TEST_F(SaveFilesTest, SaveAsWithoutScenarioOrCurrentSaveAsksNothing) {
  EXPECT_FALSE(SaveCurrentSaveAs(QString(), dialogs));
  ASSERT_TRUE(QFile::remove(MorningCoal("CurrentSave.xml")));
  EXPECT_FALSE(SaveCurrentSaveAs(MorningCoalText(), dialogs));
  EXPECT_EQ(
      dialogs.Messages(),
      (std::vector<std::string>{"You have not selected a Scenario?",
                                "There is no CurrentSave.xml to copy in the Scenario's folder " +
                                    QDir::toNativeSeparators(MorningCoal()).toStdString() + "."}));
  EXPECT_EQ(Listed(), QStringList{"Before the junction.xml"});
}

TEST_F(SaveFilesTest, EachCommandAsksThenReplacesThenStarts) {
  const std::string overwrite =
      "This operation will delete your CurrentSave.xml file for this Scenario and replace it\n"
      "with the selected file. Proceed?";
  const std::string run =
      "This operation will delete your CurrentSave.xml file for this Scenario. If you have not "
      "saved it,\nclick NO and save it before proceeding. Proceed?";
  const std::string noDevTools =
      "You do not appear to have the Dev Tools installed.\nPlease Run Rail Simulator instead.";
  const std::string notCopied =
      "CurrentSave.xml was left as it was: the selected file could not be copied over it.\n";
  const char* copy = "Before the junction.xml";
  const char* broken = "Broken.xml";  // a folder: the copy fails after the question
  ASSERT_TRUE(QDir().mkpath(MorningCoal(broken)));
  const struct {
    Command command;
    const char* selected;  // nullptr: the list of saved copies is empty
    bool yes;
    const char* removed;  // missing from the installation
    bool done, replaced;
    std::vector<std::string> shown;  // each text begins so; a failure's reason follows
    QByteArray started;
  } cases[] = {
      {kOverwrite, copy, false, nullptr, false, false, {overwrite}, ""},
      {kOverwrite, copy, true, nullptr, true, true, {overwrite}, ""},
      {kOverwrite, broken, true, nullptr, false, false, {overwrite, notCopied}, ""},
      {kRunRailSim, copy, false, nullptr, false, false, {run}, ""},
      {kRunRailSim, copy, true, nullptr, true, true, {run}, "RailSim.exe"},
      {kRunRailSim, broken, true, nullptr, false, false, {run, notCopied}, ""},
      {kRunRailSim, nullptr, false, nullptr, true, false, {}, "RailSim.exe"},
      {kRunEditor, copy, false, nullptr, false, false, {run}, ""},
      {kRunEditor, copy, true, nullptr, true, true, {run}, "RailSimEditor.exe"},
      {kRunEditor, broken, true, nullptr, false, false, {run, notCopied}, ""},
      {kRunEditor, copy, true, "RailSimEditor.exe", false, true, {run, noDevTools}, ""},
      {kRunRailSim, nullptr, false, "RailSim.exe", false, false, {"Could not start "}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "command " << c.command << " " << c.selected << " "
                                      << c.yes << " " << c.removed);
    ASSERT_TRUE(test::WriteFileBytes(MorningCoal("CurrentSave.xml"), currentSave));
    if (c.removed) {
      ASSERT_TRUE(QFile::remove(install.Path(c.removed)));
    }
    dialogs.shown.clear();
    dialogs.answers = {c.yes};
    const auto selected = c.selected ? std::optional<QString>(c.selected) : std::nullopt;
    EXPECT_EQ(Run(c.command, Choose(selected), !c.selected), c.done);
    ASSERT_EQ(dialogs.shown.size(), c.shown.size());
    for (std::size_t i = 0; i < c.shown.size(); ++i) {
      EXPECT_TRUE(dialogs.shown[i].text.starts_with(c.shown[i])) << dialogs.shown[i].text;
    }
    if (c.selected) {
      EXPECT_EQ(dialogs.shown[0].kind, Kind::YesNo);
      EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(CurrentSave(), c.replaced ? saved : currentSave);
    EXPECT_EQ(Started(!c.started.isEmpty()), c.started);
    // Nothing is left behind from the copy.
    EXPECT_EQ(QDir(MorningCoal()).entryList(QDir::Files),
              (QStringList{"Before the junction.xml", "CurrentSave.xml", "Scenario.bin"}));
  }
}

TEST_F(SaveFilesTest, EachCommandRefusesBeforeItsQuestion) {
  const std::string noCopy =
      "You have not selected a saved file to put in place of CurrentSave.xml.";
  const std::string itself =
      "The selected file is CurrentSave.xml itself: select one of the saved copies to put in its "
      "place.";
  const struct {
    SavedCopyChoice choice;
    std::string message;
  } cases[] = {
      {{QString(), "Before the junction.xml"}, "You have not selected a Scenario?"},
      {Choose(std::nullopt), noCopy},
      {Choose(QString()), noCopy},
      {Choose("CurrentSave.xml"), itself},
      {Choose("CURRENTSAVE.XML"), itself},
      {Choose("..\\..\\Scenarios.bin"),
       "\"..\\..\\Scenarios.bin\" is not the name of a file in the Scenario's folder."},
      {Choose("Gone.xml"), "The saved file " +
                               QDir::toNativeSeparators(MorningCoal("Gone.xml")).toStdString() +
                               " does not exist."}};
  // No answers are scripted: a question fails the test.
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    dialogs.shown.clear();
    for (Command command : {kOverwrite, kRunRailSim, kRunEditor}) {
      EXPECT_FALSE(Run(command, c.choice));
    }
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>(3, c.message)));
    EXPECT_EQ(CurrentSave(), currentSave);
  }
  EXPECT_EQ(Started(false), "") << "a refused command starts nothing";
}

}  // namespace
}  // namespace fennick::browser
