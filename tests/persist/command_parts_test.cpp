// The pieces the save and the clone are built from, each over the cases that tell it apart.
#include "persist/clone_name_checks.h"
#include "persist/element_number.h"
#include "persist/entry_identifier.h"
#include "persist/save_messages.h"
#include "persist/validate_properties.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

// The messages shown, one a line, each checked to be a plain warning.
std::string ShownMessages(const test::ScriptedDialogs& dialogs) {
  std::string texts;
  for (const auto& shown : dialogs.shown) {
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation) << shown.text;
    EXPECT_EQ(shown.kind, test::ScriptedDialogs::Shown::Message) << shown.text;
    texts += (texts.empty() ? "" : "\n") + shown.text;
  }
  return texts;
}

using ValidatePropertiesTest = test::SampleFixture;

// tests/data/save_and_clone/property_checks.txt; a failed check shows one message and asks
// nothing, not even about a missing driven consist (no answer is scripted).
TEST_F(ValidatePropertiesTest, ChecksRunInOrderWithTheirMessages) {
  const PropertyBoxes loaded = Open().view.boxes;
  for (const auto& line :
       test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_and_clone/property_checks.txt")) {
    ASSERT_EQ(line.fields.size(), 2u) << "line " << line.lineNumber;
    const std::string& message = line.fields[1];
    SCOPED_TRACE("line " + std::to_string(line.lineNumber));
    PropertyBoxes boxes = loaded;
    for (const QString& edit : QString::fromStdString(line.fields[0]).split(';', Qt::SkipEmptyParts)) {
      boxes.at(edit.section('=', 0, 0).toUInt()) = edit.section('=', 1).toStdString();
    }
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(ValidateProperties(boxes, message.empty() ? test::kDriven : "", install.RsPath(),
                                 dialogs),
              message.empty());
    EXPECT_EQ(ShownMessages(dialogs), message);
  }
  // Without a driven consist the answer decides.
  for (const bool answer : {true, false}) {
    test::ScriptedDialogs dialogs;
    dialogs.answers = {answer};
    EXPECT_EQ(ValidateProperties(loaded, "", install.RsPath(), dialogs), answer);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, test::ScriptedDialogs::Shown::YesNo);
    EXPECT_EQ(dialogs.shown[0].text, kNoDriverQuestion);
  }
}

TEST(CloneParts, NamesAndEntriesRefusedAsTheCasesSay) {
  for (const auto& line :
       test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_and_clone/clone_names.txt")) {
    ASSERT_EQ(line.fields.size(), 2u) << "line " << line.lineNumber;
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(CheckCloneDisplayName(line.fields[0], "C\xC3\xB4te Coal Empties", dialogs),
              line.fields[1].empty())
        << line.fields[0];
    EXPECT_EQ(ShownMessages(dialogs), line.fields[1]) << line.fields[0];
  }
  const EntryIdentifier identifier{"00112233-4455-6677-8899-AABBCCDDEEFF", "1", "2"};
  for (const auto& line :
       test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/save_and_clone/entry_refusals.txt")) {
    ASSERT_EQ(line.fields.size(), 2u) << "line " << line.lineNumber;
    std::string entry = line.fields[1];
    EXPECT_FALSE(line.fields[0] == "identifier"
                     ? PutEntryIdentifier(entry, identifier).ok()
                     : AddToElementNumber(entry, kCloneElementNumberStep).ok())
        << "line " << line.lineNumber;
    EXPECT_EQ(entry, line.fields[1]);
  }
}

}  // namespace
}  // namespace fennick
