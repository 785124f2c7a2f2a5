#include <map>

#include "persist/backup_comparison.h"
#include "tests/persist/sample_fixture.h"
#include "tests/support/case_file.h"

namespace fennick {
namespace {

using BackupComparisonTest = test::SampleFixture;

// Each backup of the sample's history against today's document: only the rows listed in
// tests/data/backup_comparison are marked, with the texts listed there.
TEST_F(BackupComparisonTest, MarksWhatDiffersAndNothingElse) {
  std::map<std::string, std::vector<std::string>> expected;
  for (const test::CaseLine& line :
       test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/backup_comparison/steam_gala.txt")) {
    ASSERT_EQ(line.fields.size(), 4u) << "line " << line.lineNumber;
    expected[line.fields[0]].push_back(line.fields[1] + " | " + line.fields[2] + " | " +
                                       line.fields[3]);
  }
  const Converter converter(install.ProgramFolder(), install.RsPath());
  // Marsh Junction Mainline's Steam Gala Special, which the sample gives a history of backups.
  const QString route = install.Path("Content/Routes/c0e5a7d1-2b84-46f9-8e3a-91d6b7f2c530");
  const char* gala = "6a2b4c75-8394-4fb6-92c7-3e45f6a7b8c9";
  const QString scenarioFolder = route + "/Scenarios/" + gala;
  for (const auto& [backup, rows] : expected) {
    SCOPED_TRACE(backup);
    auto comparison = CompareScenarioBackup(
        converter, {route, scenarioFolder, gala, QString::fromStdString(backup)});
    ASSERT_TRUE(comparison) << comparison.error();
    EXPECT_EQ(comparison->backupIndexName, "Scenarios.bak");
    std::vector<std::string> marked;
    for (const ComparedRow& row : comparison->rows) {
      if (row.differs) marked.push_back(row.label + " | " + row.backup + " | " + row.current);
    }
    EXPECT_EQ(marked, rows);
  }
}

}  // namespace
}  // namespace fennick
