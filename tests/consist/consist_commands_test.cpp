// The consist commands over documents under tests/data/consist_commands: each folder holds a
// scenario.xml, the documents expected after a command and a cases.txt, one command a line:
//   command consist current-row selected-rows catalogue:stock-row draws converter-fault after
//   driven-label icon message
// Rows are 0-based, "-" means none, lists are comma-separated. Draws are the uniform values the
// running numbers are drawn with. After: the expected document, "=" for the document untouched
// and nothing changed, "=changed" untouched yet reported changed. Label "''" is the empty label.
// Icon "i" information, "!" exclamation, "-" no message; a message ending in "*" is a prefix.
// The swaps read the sample installation's blueprints through the stand-in converter.
#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <filesystem>
#include <map>
#include <sstream>

#include "consist/consist_command.h"
#include "consist/vehicle_copy.h"
#include "tests/consist/consist_test_support.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

namespace fs = std::filesystem;
const fs::path kCases = fs::path(FENNICK_TEST_DATA_DIR) / "consist_commands";

std::string ReadBytes(const fs::path& path) {
  return test::ReadFileBytes(QString::fromStdString(path.string())).toStdString();
}

std::optional<std::size_t> Row(const std::string& word) {
  return word == "-" ? std::nullopt : std::optional(std::stoul(word));
}

std::vector<std::string> List(const std::string& word) {
  std::vector<std::string> items;
  std::istringstream list(word == "-" ? "" : word);
  for (std::string item; std::getline(list, item, ',');) items.push_back(item);
  return items;
}

// In the order of ConsistCommand.
const std::vector<std::string> kCommands = {
    "swap-selected", "swap-all", "duplicate", "duplicate-at-rear",
    "delete",        "drive-it", "load",      "unload"};

std::map<std::string, StockCatalogue> Catalogues() {
  std::map<std::string, StockCatalogue> catalogues;
  for (const test::CaseLine& line : test::ReadCaseFile((kCases / "stock.txt").string())) {
    const auto& f = line.fields;
    catalogues[f.at(0)] = {f[1], f[4], f[3], f[2], f[5] == "yes", false, {{f[6], f[7]}}};
  }
  return catalogues;
}

using ConsistCommands = test::SampleStockTest;

TEST_F(ConsistCommands, EveryCaseLeavesItsDocumentAndMessage) {
  const auto catalogues = Catalogues();
  std::vector<fs::path> folders;
  for (const auto& entry : fs::directory_iterator(kCases))
    if (entry.is_directory()) folders.push_back(entry.path());
  std::sort(folders.begin(), folders.end());
  std::size_t count = 0;
  for (const fs::path& folder : folders) {
    const std::string before = ReadBytes(folder / "scenario.xml");
    ASSERT_FALSE(before.empty()) << folder;
    for (const test::CaseLine& line : test::ReadCaseFile((folder / "cases.txt").string())) {
      const auto& f = line.fields;
      SCOPED_TRACE(folder.filename().string() + " line " + std::to_string(line.lineNumber));
      ASSERT_EQ(f.size(), 11u);
      const auto command = std::find(kCommands.begin(), kCommands.end(), f[0]);
      ASSERT_NE(command, kCommands.end());
      std::vector<std::size_t> selected;
      for (const std::string& row : List(f[3])) selected.push_back(std::stoul(row));
      std::deque<float> draws;
      for (const std::string& u : List(f[5])) draws.push_back(std::stof(u));
      if (draws.empty()) draws = {0.0f};
      const std::size_t colon = f[4].find(':');
      const ConsistSelection selection{std::stoul(f[1]), Row(f[2]), selected,
                                       Row(f[4].substr(colon + 1))};
      test::ScriptedUniform random(draws);
      test::ConverterFault(f[6] == "-" ? "" : f[6]);
      std::string text = before;
      test::ScriptedDialogs dialogs;
      const Converter conv = converter();
      const ConsistOutcome outcome =
          RunConsistCommand(ConsistCommand(command - kCommands.begin()), text, selection,
                            catalogues.at(f[4].substr(0, colon)),
                            StockSource{conv, install.RsPath(), random}, dialogs);
      test::ConverterFault("");
      const bool untouched = f[7].starts_with("=");
      EXPECT_TRUE(text == (untouched ? before : ReadBytes(folder / f[7]))) << "document differs";
      EXPECT_EQ(outcome.consistsChanged, f[7] != "=");
      const std::string label = outcome.drivenLabel.value_or("-");  // "-": not checked
      EXPECT_EQ(f[8] == "-" ? f[8] : label, f[8] == "''" ? "" : f[8]);
      // A refusal that changed nothing does not count as done.
      EXPECT_TRUE(f[9] != "!" || f[7] != "=" || outcome.ended != Outcome::Kind::kDone);
      ASSERT_EQ(dialogs.shown.size(), f[9] == "-" ? 0u : 1u);
      if (f[9] == "-") continue;
      const std::string& shown = dialogs.shown[0].text;
      EXPECT_EQ(f[10].ends_with('*') ? shown.substr(0, f[10].size() - 1) + "*" : shown, f[10]);
      EXPECT_EQ(dialogs.shown[0].icon,
                f[9] == "i" ? MessageIcon::Information : MessageIcon::Exclamation);
      EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
      ++count;
    }
  }
  EXPECT_GE(count, 90u);
}

// A desktop whose language writes numbers with a decimal comma, as a German desktop leaves the
// program after QApplication has adopted it. scripts/install-deps.sh generates de_DE.UTF-8.
TEST(RunningNumberOfCopy, SameInEveryDesktopLanguage) {
  const auto cases = test::ReadCaseFile((kCases / "running_numbers.txt").string());
  ASSERT_FALSE(cases.empty());
  const QLocale qtBefore;
  for (const bool german : {false, true}) {
    if (german) {
      for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German_Germany.1252", "de-DE"})
        if (std::setlocale(LC_ALL, name) != nullptr) break;
      QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
      EXPECT_EQ(std::localeconv()->decimal_point[0], ',') << "no comma-decimal locale installed";
    }
    for (const test::CaseLine& c : cases)
      EXPECT_EQ(RunningNumberOfCopy(c.fields.at(0)), c.fields.at(1)) << c.fields[0] << german;
  }
  std::setlocale(LC_ALL, "C");
  QLocale::setDefault(qtBefore);
}

}  // namespace
}  // namespace fennick
