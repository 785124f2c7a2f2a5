// Every consist command meeting a document or a selection it cannot act on: one message, the
// document untouched. Cases are folders under tests/data/consist_refusals, each a scenario.xml
// and a refusals.txt with one command per line:
//   command consist current-row selected-rows stock-row => message
// Rows are 0-based, "-" means none, selected rows are comma-separated.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "consist/consist_command.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::optional<std::size_t> Row(const std::string& word) {
  if (word == "-") return std::nullopt;
  return std::stoul(word);
}

std::vector<std::size_t> Rows(const std::string& word) {
  std::vector<std::size_t> rows;
  if (word == "-") return rows;
  std::istringstream list(word);
  for (std::string row; std::getline(list, row, ',');) rows.push_back(std::stoul(row));
  return rows;
}

const std::map<std::string, ConsistCommand> kCommands = {
    {"swap-selected", ConsistCommand::kSwapSelected},
    {"swap-all", ConsistCommand::kSwapAll},
    {"duplicate", ConsistCommand::kDuplicate},
    {"duplicate-at-rear", ConsistCommand::kDuplicateAtRear},
    {"delete", ConsistCommand::kDelete},
    {"drive-it", ConsistCommand::kDriveIt},
    {"load", ConsistCommand::kLoad},
    {"unload", ConsistCommand::kUnload}};

TEST(ConsistRefusals, EveryCaseShowsItsMessageAndLeavesTheDocument) {
  const fs::path cases = fs::path(FENNICK_TEST_DATA_DIR) / "consist_refusals";
  const StockCatalogue stock{"Freight",
                             "RailVehicles",
                             "RailSimulator",
                             "Kuju",
                             false,
                             false,
                             {{"VEA Covered Van", "RailVehicles\\Freight\\Van\\VanVEA.xml"}}};
  // A swap that got as far as drawing would change the document, which fails the case.
  const MassAndNumberDraw draw = [](std::size_t) { return MassAndNumber{"13.5", "200001"}; };
  std::vector<fs::path> folders(fs::directory_iterator(cases), fs::directory_iterator{});
  std::sort(folders.begin(), folders.end());
  std::size_t lines = 0;
  for (const fs::path& folder : folders) {
    const std::string before = ReadBytes(folder / "scenario.xml");
    std::ifstream refusals(folder / "refusals.txt");
    ASSERT_FALSE(before.empty() || !refusals) << folder;
    for (std::string line; std::getline(refusals, line);) {
      if (line.empty() || line[0] == '#') continue;
      SCOPED_TRACE(folder.filename().string() + ": " + line);
      const std::size_t arrow = line.find(" => ");
      ASSERT_NE(arrow, std::string::npos);
      std::istringstream words(line.substr(0, arrow));
      std::string command, consist, current, selected, stockRow;
      ASSERT_TRUE(words >> command >> consist >> current >> selected >> stockRow);
      ASSERT_TRUE(kCommands.contains(command));
      const ConsistSelection selection{std::stoul(consist), Row(current), Rows(selected),
                                       Row(stockRow)};
      std::string text = before;
      test::ScriptedDialogs dialogs;
      const ConsistOutcome outcome =
          RunConsistCommand(kCommands.at(command), text, selection, stock, draw, dialogs);
      EXPECT_FALSE(outcome.consistsChanged);
      EXPECT_NE(outcome.ended, Outcome::Kind::kDone);
      EXPECT_TRUE(text == before) << "the document changed";
      EXPECT_EQ(dialogs.shown.size(), 1u);
      if (dialogs.shown.empty()) continue;
      EXPECT_EQ(dialogs.shown[0].text, line.substr(arrow + 4));
      EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
      EXPECT_EQ(dialogs.shown[0].title, "RS_Fennick");
      ++lines;
    }
  }
  EXPECT_GE(lines, 50u);
}

}  // namespace
}  // namespace fennick
