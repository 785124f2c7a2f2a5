#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "persist/keep_backup.h"
#include "tests/support/sample_install.h"

namespace fennick {
namespace {

using test::ReadFileBytes;
using test::WriteFileBytes;

class KeepBackupTest : public ::testing::Test {
 protected:
  QString File(const QString& name) const { return dir.filePath(name); }
  void Put(const QString& name, const QByteArray& bytes) {
    ASSERT_TRUE(WriteFileBytes(File(name), bytes));
  }
  QTemporaryDir dir;
};

TEST_F(KeepBackupTest, FirstBackupIsBakThenNumberedOldestLowest) {
  const char* expected[] = {"Scenario.bak", "Scenario.bak1", "Scenario.bak2"};
  for (int save = 0; save < 3; ++save) {
    const QByteArray content = "version " + QByteArray::number(save);
    Put("Scenario.bin", content);
    const Result<BackupMove> move = KeepBackup(dir.path(), "Scenario");
    ASSERT_TRUE(move.ok()) << move.error();
    ASSERT_TRUE(move->renamed());
    EXPECT_EQ(ReadFileBytes(File(expected[save])), content);
    EXPECT_FALSE(QFile::exists(File("Scenario.bin")));
  }
  EXPECT_EQ(ReadFileBytes(File("Scenario.bak")), "version 0");
}

TEST_F(KeepBackupTest, TakesTheLowestFreeNumber) {
  for (const char* taken : {"Scenarios.bak", "Scenarios.bak1", "Scenarios.bak3"}) Put(taken, "old");
  Put("Scenarios.bin", "current");
  ASSERT_TRUE(KeepBackup(dir.path(), "Scenarios").ok());
  EXPECT_EQ(ReadFileBytes(File("Scenarios.bak2")), "current");
  EXPECT_EQ(ReadFileBytes(File("Scenarios.bak3")), "old");
}

TEST_F(KeepBackupTest, ABackupInAnotherLetterCaseCountsAsTaken) {
  Put("SCENARIO.BAK", "first");
  Put("Scenario.bin", "current");
  ASSERT_TRUE(KeepBackup(dir.path(), "Scenario").ok());
  EXPECT_EQ(ReadFileBytes(File("SCENARIO.BAK")), "first");
  EXPECT_EQ(ReadFileBytes(File("Scenario.bak1")), "current");
}

TEST_F(KeepBackupTest, WithAllFiftyOneTakenNothingIsRenamed) {
  Put("Scenario.bak", "first");
  for (int n = 1; n <= kNumberedBackups; ++n) Put("Scenario.bak" + QString::number(n), "old");
  Put("Scenario.bin", "current");
  const Result<BackupMove> move = KeepBackup(dir.path(), "Scenario");
  ASSERT_TRUE(move.ok());
  EXPECT_FALSE(move->renamed());
  EXPECT_EQ(ReadFileBytes(File("Scenario.bin")), "current");
  EXPECT_FALSE(QFile::exists(File("Scenario.bak51")));
}

TEST_F(KeepBackupTest, WithoutADocumentThereIsNothingToKeep) {
  const Result<BackupMove> move = KeepBackup(dir.path(), "Scenario");
  ASSERT_TRUE(move.ok());
  EXPECT_FALSE(move->renamed());
  EXPECT_FALSE(QFile::exists(File("Scenario.bak")));
}

TEST_F(KeepBackupTest, AFailedRenameIsAnErrorAndKeepsTheDocument) {
  ASSERT_TRUE(QDir().mkpath(File("Scenario.bak/in-the-way")));
  Put("Scenario.bin", "current");
  EXPECT_FALSE(KeepBackup(dir.path(), "Scenario").ok());
  EXPECT_EQ(ReadFileBytes(File("Scenario.bin")), "current");
}

TEST_F(KeepBackupTest, UndoPutsTheDocumentBackOverANewOne) {
  Put("Scenario.bak", "first");
  Put("Scenario.bin", "before the save");
  const Result<BackupMove> move = KeepBackup(dir.path(), "Scenario");
  ASSERT_TRUE(move.ok());
  Put("Scenario.bin", "written by the save");
  ASSERT_TRUE(UndoBackup(*move).ok());
  EXPECT_EQ(ReadFileBytes(File("Scenario.bin")), "before the save");
  EXPECT_FALSE(QFile::exists(File("Scenario.bak1")));
  EXPECT_EQ(ReadFileBytes(File("Scenario.bak")), "first");
}

TEST(BackupNameTest, NumberFollowsBakDirectly) {
  EXPECT_EQ(BackupName("C:\\R", "Scenarios", 0), "C:\\R\\Scenarios.bak");
  EXPECT_EQ(BackupName("C:\\R", "Scenarios", 7), "C:\\R\\Scenarios.bak7");
  EXPECT_EQ(BackupName("C:\\R", "Scenario", 50), "C:\\R\\Scenario.bak50");
}

}  // namespace
}  // namespace fennick
