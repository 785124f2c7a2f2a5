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

// Morning Coal Empties holds CurrentSave.xml and "Before the junction.xml". Whatever a command
// does, CurrentSave.xml is replaced only when it says so and nothing is left behind.
class SaveFilesTest : public test::BrowserFixture {
 protected:
  void SetUp() override {
    BrowserFixture::SetUp();
    currentSave = CurrentSave();
    saved = ReadFileBytes(MorningCoal("Before the junction.xml"));
    ASSERT_FALSE(currentSave.isEmpty() || saved.isEmpty() || currentSave == saved);
  }
  QByteArray CurrentSave() const { return ReadFileBytes(MorningCoal("CurrentSave.xml")); }
  QStringList Listed() const { return ListSavedCopies(MorningCoalText()); }
  bool Run(const std::string& command, const SavedCopyChoice& choice, bool listIsEmpty = false) {
    if (command == "overwrite") return OverwriteCurrentSave(choice, dialogs);
    if (command == "railsim") {
      return RunRailSimWithSave(app.settings.rsPath, choice, listIsEmpty, dialogs);
    }
    return RunEditorWithSave(app.settings.rsPath, choice, dialogs);
  }

  QByteArray currentSave, saved;
};

TEST_F(SaveFilesTest, SavedCopiesAreTheXmlFilesOfTheFolderSorted) {
  for (const char* name : {"apple.XML", "Zebra.xml", "notes.txt"}) {
    ASSERT_TRUE(test::WriteFileBytes(MorningCoal(name), "x"));
  }
  ASSERT_TRUE(QDir().mkpath(MorningCoal("folder.xml")));
  EXPECT_EQ(Listed(),
            (QStringList{"apple.XML", "Before the junction.xml", "CurrentSave.xml", "Zebra.xml"}));
  EXPECT_TRUE(ListSavedCopies(QString()).isEmpty());
  EXPECT_TRUE(ListSavedCopies(MorningCoalText() + "-missing").isEmpty());
}

// tests/data/save_files/save_as.txt
TEST_F(SaveFilesTest, SaveAsCopiesCurrentSaveUnderTheTypedName) {
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_files/save_as.txt")) {
    const auto& f = line.fields;
    ASSERT_EQ(f.size(), 3u) << "line " << line.lineNumber;
    SCOPED_TRACE(f[0]);
    const QStringList before = Listed();
    dialogs.shown.clear();
    dialogs.texts = {f[0] == "(cancel)" ? std::nullopt : std::optional<std::string>(f[0])};
    EXPECT_EQ(SaveCurrentSaveAs(MorningCoalText(), dialogs), f[1] != "-");
    ASSERT_GE(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, Kind::Text);
    std::vector<std::string> expected{"Save CurrentSave.xml as"};
    if (!f[2].empty()) expected.push_back(f[2]);
    EXPECT_EQ(dialogs.Messages(), expected);
    EXPECT_EQ(CurrentSave(), currentSave);
    if (f[1] == "-") {
      EXPECT_EQ(Listed(), before);
    } else {
      EXPECT_EQ(ReadFileBytes(MorningCoal(QString::fromStdString(f[1]))), currentSave);
    }
  }
  // Without a scenario or a CurrentSave.xml nothing is asked.
  dialogs.shown.clear();
  EXPECT_FALSE(SaveCurrentSaveAs(QString(), dialogs));
  ASSERT_TRUE(QFile::remove(MorningCoal("CurrentSave.xml")));
  EXPECT_FALSE(SaveCurrentSaveAs(MorningCoalText(), dialogs));
  EXPECT_EQ(dialogs.Messages(),
            (std::vector<std::string>{"You have not selected a Scenario?",
                                      "There is no CurrentSave.xml to copy in the Scenario's folder " +
                                          QDir::toNativeSeparators(MorningCoal()).toStdString() + "."}));
}

// tests/data/save_files/commands.txt
TEST_F(SaveFilesTest, EachCommandAsksThenReplacesThenStartsOrRefusesFirst) {
  ASSERT_TRUE(QDir().mkpath(MorningCoal("Broken.xml")));
  const std::string gone = QDir::toNativeSeparators(MorningCoal("Gone.xml")).toStdString();
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_files/commands.txt")) {
    const auto& f = line.fields;
    ASSERT_GE(f.size(), 7u) << "line " << line.lineNumber;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber));
    std::vector<std::string> texts(f.begin() + 7, f.end());
    const std::optional<QString> selected =
        f[1] == "-" || f[1] == "(none)" ? std::nullopt
                                          : std::optional<QString>(QString::fromStdString(f[1]));
    ASSERT_TRUE(test::WriteFileBytes(MorningCoal("CurrentSave.xml"), currentSave));
    ASSERT_TRUE(f[3] == "-" || QFile::remove(install.Path(QString::fromStdString(f[3]))));
    if (f[0].starts_with("refused")) {
      // No answers are scripted: a question fails the test.
      const SavedCopyChoice choice{f[0] == "refused" ? MorningCoalText() : QString(), selected};
      const std::string message = QString::fromStdString(texts.at(0)).replace("{gone}", QString::fromStdString(gone)).toStdString();
      dialogs.shown.clear();
      for (const char* command : {"overwrite", "railsim", "editor"}) EXPECT_FALSE(Run(command, choice));
      EXPECT_EQ(dialogs.Messages(), std::vector<std::string>(3, message));
      EXPECT_EQ(CurrentSave(), currentSave);
      EXPECT_EQ(Started(false), "") << "a refused command starts nothing";
      continue;
    }
    dialogs.shown.clear();
    dialogs.answers = {f[2] == "yes"};
    EXPECT_EQ(Run(f[0], {MorningCoalText(), selected}, f[1] == "-"), f[4] == "yes");
    ASSERT_EQ(dialogs.shown.size(), texts.size()) << testing::PrintToString(dialogs.Messages());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_TRUE(dialogs.shown[i].text.starts_with(texts[i])) << dialogs.shown[i].text;
    }
    if (selected) {
      EXPECT_EQ(dialogs.shown[0].kind, Kind::YesNo);
      EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_EQ(CurrentSave(), f[5] == "yes" ? saved : currentSave);
    EXPECT_EQ(Started(f[6] != "-").toStdString(), f[6] == "-" ? "" : f[6]);
    EXPECT_EQ(QDir(MorningCoal()).entryList(QDir::Files),
              (QStringList{"Before the junction.xml", "CurrentSave.xml", "Scenario.bin"}));
  }
}

}  // namespace
}  // namespace fennick::browser
