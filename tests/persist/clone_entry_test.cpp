#include <gtest/gtest.h>

#include "persist/clone_name_checks.h"
#include "persist/element_number.h"
#include "persist/entry_identifier.h"
#include "persist/save_messages.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

std::string EntryNumbered(const std::string& number) {
  return "<cScenarioProperties d:id=\"" + number + "\">\n\t<UUID></UUID>\n</cScenarioProperties>";
}

TEST(AddToElementNumberTest, WritesTheSumWholeInPlaceOfTheOldDigits) {
  const struct {
    const char* old;
    const char* raised;
  } cases[] = {
      {"123456789", "123459916"},
      {"187654321", "187657448"},
      {"999996873", "1000000000"},  // gains a digit: the entry grows by one
      {"999998000", "1000001127"},
      {"99999", "103126"},
      {"7", "3134"},
  };
  for (const auto& c : cases) {
    std::string entry = EntryNumbered(c.old);
    ASSERT_TRUE(AddToElementNumber(entry, kCloneElementNumberStep).ok()) << c.old;
    EXPECT_EQ(entry, EntryNumbered(c.raised)) << c.old;
  }
}

TEST(AddToElementNumberTest, AnEntryWithoutANumberIsRefusedUnchanged) {
  for (std::string entry : {std::string("<cScenarioProperties>\n<d:id=\"5\"/>"),
                            std::string("<cScenarioProperties d:id=\"\">"),
                            std::string("<cScenarioProperties d:id=\"x1\">"),
                            std::string("<cScenarioProperties d:id=\"5\""), std::string()}) {
    const std::string before = entry;
    EXPECT_FALSE(AddToElementNumber(entry, kCloneElementNumberStep).ok()) << before;
    EXPECT_EQ(entry, before);
  }
}

std::string IdentifiedEntry(const std::string& first, const std::string& second,
                            const std::string& devString) {
  return "<cScenarioProperties d:id=\"1\">\n"
         "<UUID><e d:type=\"sUInt64\">" +
         first + "</e><e d:type=\"sUInt64\">" + second +
         "</e></UUID>\n<DevString d:type=\"cDeltaString\">" + devString +
         "</DevString>\n<English d:type=\"cDeltaString\">e</English>\n</cScenarioProperties>";
}

TEST(PutEntryIdentifierTest, ReplacesBothNumbersAndTheDevString) {
  const EntryIdentifier identifier{"00112233-4455-6677-8899-AABBCCDDEEFF", "7383445245961249331",
                                   "18441921395520346504"};
  // Old numbers much longer and much shorter than the new ones.
  const struct {
    std::string first, second;
  } olds[] = {{"1", "2"}, {"18446744073709551615", "18446744073709551614"}, {"0", "99"}};
  for (const auto& old : olds) {
    std::string entry =
        IdentifiedEntry(old.first, old.second, "0a3f5e71-6c2d-4b8e-9f14-d7e2a5c8b301");
    ASSERT_TRUE(PutEntryIdentifier(entry, identifier).ok());
    EXPECT_EQ(entry,
              IdentifiedEntry(identifier.firstNumber, identifier.secondNumber, identifier.text));
  }
}

TEST(PutEntryIdentifierTest, AnEntryWithoutAWholeIdentifierIsRefusedUnchanged) {
  const EntryIdentifier identifier{"00112233-4455-6677-8899-AABBCCDDEEFF", "1", "2"};
  const struct {
    const char* label;
    std::string entry;
  } cases[] = {
      {"no UUID", "<cScenarioProperties d:id=\"1\">\n<DevString>x</DevString>\n<eX>1</eX>"},
      {"UUID never closed", "<cScenarioProperties><UUID><e>1</e><e>2</e><DevString>x</DevString>"},
      {"only one number", "<c><UUID><e>1</e></UUID><DevString>x</DevString><English>a</English>"},
      {"numbers outside UUID", "<c><UUID></UUID><eA>1</eA><eB>2</eB><DevString>x</DevString>"},
      {"no DevString", "<c><UUID><e>1</e><e>2</e></UUID><Name>x</Name>"},
  };
  for (const auto& c : cases) {
    std::string entry = c.entry;
    EXPECT_FALSE(PutEntryIdentifier(entry, identifier).ok()) << c.label;
    EXPECT_EQ(entry, c.entry) << c.label;
  }
}

TEST(CheckCloneDisplayNameTest, RefusesAnUnchangedNameAndFileNameCharacters) {
  const struct {
    const char* label;
    std::string name;
    const char* message;  // nullptr: accepted
  } cases[] = {
      {"unchanged", "Morning Coal Empties", kNameUnchangedMessage},
      {"changed only in letter case", "MORNING coal empties", kNameUnchangedMessage},
      {"full stop", "Morning Coal v2.1", kIllegalNameMessage},
      {"colon", "Coal: the return", kIllegalNameMessage},
      {"backslash", "Coal\\Return", kIllegalNameMessage},
      {"slash", "Coal/Return", kIllegalNameMessage},
      {"less than", "Coal <new>", kIllegalNameMessage},
      {"vertical bar", "Coal | Return", kIllegalNameMessage},
      {"underscores, hyphens and blanks pass", "Morning_Coal - Return", nullptr},
      {"accented letters pass", "Charbon du matin \xC3\xA9t\xC3\xA9", nullptr},
  };
  for (const auto& c : cases) {
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(CheckCloneDisplayName(c.name, "Morning Coal Empties", dialogs), c.message == nullptr)
        << c.label;
    if (c.message == nullptr) {
      EXPECT_TRUE(dialogs.shown.empty()) << c.label;
      continue;
    }
    ASSERT_EQ(dialogs.shown.size(), 1u) << c.label;
    EXPECT_EQ(dialogs.shown[0].text, c.message) << c.label;
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
  }
}

TEST(CheckCloneDisplayNameTest, LetterCaseIsFoldedBeyondAscii) {
  test::ScriptedDialogs dialogs;
  EXPECT_FALSE(CheckCloneDisplayName("C\xC3\x94TE", "C\xC3\xB4te", dialogs));  // CÔTE / Côte
}

}  // namespace
}  // namespace fennick
