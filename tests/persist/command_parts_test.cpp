// The pieces the save and the clone are built from, each over the cases that tell it apart.
#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include "bridge/run_scratch.h"
#include "persist/clone_name_checks.h"
#include "persist/element_number.h"
#include "persist/entry_identifier.h"
#include "persist/keep_backup.h"
#include "persist/save_messages.h"
#include "persist/scratch_xml.h"
#include "persist/start_time_values.h"
#include "persist/validate_properties.h"
#include "tests/persist/sample_fixture.h"

namespace fennick {
namespace {

using ValidatePropertiesTest = test::SampleFixture;

TEST_F(ValidatePropertiesTest, ChecksRunInOrderWithTheirMessages) {
  const struct {
    std::vector<std::pair<std::size_t, std::string>> edits;
    const char* message;  // nullptr: the checks pass
  } cases[] = {
      {{}, nullptr},
      {{{kBoxStartTime, "0530"}}, nullptr},
      {{{kBoxStartTime, "2400"}}, nullptr},
      {{{kBoxStartTime, "0575"}}, nullptr},  // minutes are not checked alone
      {{{kBoxStartTime, "2401"}}, kTimeFormatMessage},
      {{{kBoxStartTime, "530"}}, kTimeFormatMessage},
      {{{kBoxStartTime, "05300"}}, kTimeFormatMessage},
      {{{kBoxStartDay, "0"}}, kStartDayMessage},
      {{{kBoxStartDay, "32"}}, kStartDayMessage},
      {{{kBoxStartDay, "31"}, {kBoxStartMonth, "2"}}, nullptr},
      {{{kBoxStartMonth, "13"}}, kStartMonthMessage},
      {{{kBoxStartMonth, "0"}}, kStartMonthMessage},
      {{{kBoxStartMonth, "12"}}, nullptr},
      {{{kBoxStartTime, "99"}, {kBoxStartDay, "0"}}, kTimeFormatMessage},  // time before day
      {{{kBoxStartDay, "40"}, {kBoxStartMonth, "13"}}, kStartDayMessage},  // day before month
      // The blueprint's last three characters (not bytes) become "bin", looked for in any
      // letter case below Assets\provider\product.
      {{{kBoxWeatherBlueprint, "Weather\\Storms\\Thunder.xml"}}, nullptr},
      {{{kBoxWeatherBlueprint, "WEATHER\\clear.XML"}}, nullptr},
      {{{kBoxWeatherBlueprint, "Weather\\Clear.x\xC3\xA9\xC3\xA9"}}, nullptr},
      {{{kBoxWeatherProvider, "ValeWorks"},
        {kBoxWeatherProduct, "Branch Lines"},
        {kBoxWeatherBlueprint, "Weather\\Drizzle.xml"}},
       nullptr},
      {{{kBoxWeatherBlueprint, "Weather\\Snow.xml"}}, kWeatherMissingMessage},
      {{{kBoxWeatherProduct, "Branch Lines"}}, kWeatherMissingMessage},
      {{{kBoxWeatherBlueprint, "ab"}}, kWeatherMissingMessage},
  };
  const PropertyBoxes loaded = Open().view.boxes;
  for (const auto& c : cases) {
    PropertyBoxes boxes = loaded;
    std::string label;
    for (const auto& [box, text] : c.edits) boxes[box] = text, label += text + " ";
    // Without a driven consist a failed check must still ask nothing (no answer is scripted).
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(ValidateProperties(boxes, c.message ? "" : test::kDriven, install.RsPath(), dialogs),
              c.message == nullptr)
        << label;
    if (c.message == nullptr) {
      EXPECT_TRUE(dialogs.shown.empty()) << label;
      continue;
    }
    ASSERT_EQ(dialogs.shown.size(), 1u) << label;  // one message, never a second report
    EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::Message) << label;
    EXPECT_EQ(dialogs.shown[0].text, c.message) << label;
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation) << label;
    EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick") << label;
  }
  // Without a driven consist the answer decides.
  for (const bool answer : {true, false}) {
    test::ScriptedDialogs dialogs;
    dialogs.answers = {answer};
    EXPECT_EQ(ValidateProperties(loaded, "", install.RsPath(), dialogs), answer);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::YesNo);
    EXPECT_EQ(dialogs.shown[0].text,
              "You do not appear to have chosen a consist to drive in this Scenario.\n"
              "Do you wish to continue?");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  }
}

// How the shift follows the tick and the change is checked through the save; here its edges.
TEST(StartTimeValuesTest, SecondsAndTheEdgesOfTheShift) {
  for (const auto& [box, stored] :
       {std::pair{"2400", "86400.0000"}, {"0575", "22500.0000"}, {"0001", "00060.0000"}}) {
    EXPECT_EQ(StartTimeSeconds(box), stored) << box;
  }
  const Result<std::int32_t> halfSecond = StartTimeShift("19800.0000", "19799.5", true);
  ASSERT_TRUE(halfSecond.ok());
  EXPECT_EQ(*halfSecond, 0);  // rounded half to even
  EXPECT_FALSE(StartTimeShift("00000.0000", "9999999999999", true).ok());
}

TEST(WriteScratchXmlTest, ReplacesTheFileWithTheTextAndExactlyOneCrLf) {
  QTemporaryDir program;
  // Longest first: each write must replace the one before whole.
  for (const std::string& text : {std::string(5000, 'x'), std::string("<a/>\r\n"),
                                  std::string("caf\xE9 \x80"), std::string()}) {
    ASSERT_TRUE(WriteScratchXml(program.path(), "Scenarios.xml", text).ok());
    EXPECT_EQ(test::ReadFileBytes(NativePath(RunScratchFolder(program.path()) + "\\Scenarios.xml"))
                  .toStdString(),
              text + "\r\n");
  }
}

TEST(KeepBackupTest, RenamesTheDocumentToTheLowestFreeBackupName) {
  const struct {
    QStringList present;
    const char* backup;  // nullptr: nothing renamed
  } cases[] = {
      {{"Scenario.bin"}, "Scenario.bak"},
      {{"Scenario.bak", "Scenario.bak1", "Scenario.bak3", "Scenario.bin"}, "Scenario.bak2"},
      {{"SCENARIO.BAK", "Scenario.bin"}, "Scenario.bak1"},  // taken in any letter case
      {{"Scenario.bak"}, nullptr},                          // no document: nothing to keep
  };
  for (const auto& c : cases) {
    QTemporaryDir dir;
    for (const QString& name : c.present) {
      ASSERT_TRUE(test::WriteFileBytes(dir.filePath(name), name.toUtf8()));
    }
    const Result<BackupMove> move = KeepBackup(dir.path(), "Scenario");
    ASSERT_TRUE(move.ok()) << c.backup;
    EXPECT_EQ(move->renamed(), c.backup != nullptr);
    QStringList expected = c.present, files = QDir(dir.path()).entryList(QDir::Files);
    if (c.backup) {
      EXPECT_EQ(test::ReadFileBytes(dir.filePath(c.backup)), "Scenario.bin");
      expected.removeOne("Scenario.bin");
      expected << c.backup;
    }
    expected.sort();
    files.sort();
    EXPECT_EQ(files, expected);
  }
}

// The sum itself is checked through the clone; here the entries it must refuse, untouched.
TEST(AddToElementNumberTest, AnEntryWithoutANumberIsRefusedUnchanged) {
  for (const std::string refused : {"<cScenarioProperties>\n<d:id=\"5\"/>", "<c d:id=\"\">",
                                    "<c d:id=\"x1\">", "<c d:id=\"5\"", ""}) {
    std::string entry = refused;
    EXPECT_FALSE(AddToElementNumber(entry, kCloneElementNumberStep).ok()) << refused;
    EXPECT_EQ(entry, refused);
  }
}

// Writing the identifier is checked through the clone; here the entries it must refuse, untouched.
TEST(PutEntryIdentifierTest, AnEntryWithoutAWholeIdentifierIsRefusedUnchanged) {
  const EntryIdentifier identifier{"00112233-4455-6677-8899-AABBCCDDEEFF", "1", "2"};
  for (const std::string refused : {
           "<c d:id=\"1\">\n<DevString>x</DevString>\n<eX>1</eX>",  // no UUID
           "<c><UUID><e>1</e><e>2</e><DevString>x</DevString>",     // UUID not closed
           "<c><UUID><e>1</e></UUID><DevString>x</DevString><English>a</English>",  // one number
           "<c><UUID></UUID><eA>1</eA><eB>2</eB><DevString>x</DevString>",  // numbers outside
           "<c><UUID><e>1</e><e>2</e></UUID><Name>x</Name>",                // no DevString
       }) {
    std::string entry = refused;
    EXPECT_FALSE(PutEntryIdentifier(entry, identifier).ok()) << refused;
    EXPECT_EQ(entry, refused);
  }
}

TEST(CheckCloneDisplayNameTest, RefusesAnUnchangedNameAndFileNameCharacters) {
  const std::string loaded = "C\xC3\xB4te Coal Empties";
  std::vector<std::pair<std::string, const char*>> cases = {
      {loaded, kNameUnchangedMessage},
      {"C\xC3\x94TE coal EMPTIES", kNameUnchangedMessage},  // letter case beyond ASCII
      {"Morning_Coal - Return \xC3\xA9t\xC3\xA9", nullptr}};
  for (const char* c : {".", "<", ">", ":", "/", "\\", "|"}) {
    cases.emplace_back(std::string("Coal ") + c + " Return", kIllegalNameMessage);
  }
  for (const auto& [name, message] : cases) {
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(CheckCloneDisplayName(name, loaded, dialogs), !message) << name;
    EXPECT_EQ(dialogs.Messages(),
              message ? std::vector<std::string>{message} : std::vector<std::string>{})
        << name;
    for (const auto& shown : dialogs.shown) EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  }
}

}  // namespace
}  // namespace fennick
