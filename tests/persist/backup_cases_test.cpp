#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "persist/backup_files.h"
#include "persist/restore_backup.h"
#include "tests/support/case_file.h"
#include "tests/support/sample_install.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

// The words of a field; "Scenario.bak1..50" stands for Scenario.bak1 to Scenario.bak50.
std::vector<std::string> Names(const std::string& field) {
  std::vector<std::string> names;
  std::istringstream in(field);
  for (std::string word; in >> word;) {
    const std::size_t dots = word.find("..");
    std::size_t digits = dots == std::string::npos ? 0 : dots;
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(word[digits - 1]))) --digits;
    if (dots == std::string::npos || digits == dots) {
      names.push_back(word);
      continue;
    }
    for (int n = std::stoi(word.substr(digits, dots - digits)); n <= std::stoi(word.substr(dots + 2)); ++n) {
      names.push_back(word.substr(0, digits) + std::to_string(n));
    }
  }
  return names;
}

// tests/data/backups/cases.txt: the listing of a folder, and what a restore leaves in it. Each file
// holds its own name as its bytes; a name ending in "/" is a folder with a file in it.
TEST(BackupCases, ListAndRestoreLoseNothing) {
  const auto cases = test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/backups/cases.txt");
  ASSERT_FALSE(cases.empty());
  for (const test::CaseLine& line : cases) {
    ASSERT_EQ(line.fields.size(), 9u) << "line " << line.lineNumber;
    const auto& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber) + ": " + f[0]);
#ifdef Q_OS_WIN
    if (f[1] == "case-sensitive") continue;  // two spellings of one name need such a disk
#endif
    QTemporaryDir dir;
    std::vector<std::string> laid;
    for (const std::string& name : Names(f[3])) {
      const QString path = dir.filePath(QString::fromStdString(name));
      ASSERT_TRUE(name.ends_with('/') ? QDir().mkpath(path + "in-the-way")
                                      : test::WriteFileBytes(path, QByteArray::fromStdString(name)));
      laid.push_back(name.ends_with('/') ? name : name + "=" + name);
    }
    const QString stem = QString::fromStdString(f[2]);
    const std::vector<std::string> command = Names(f[4]);
    if (command.at(0) == "list") {
      const BackupListing listing = ListBackups(dir.path(), stem);
      std::string shown = listing.current ? listing.current->name.toStdString() : "-";
      shown += " |";
      for (const BackupFile& backup : listing.backups) shown += " " + backup.name.toStdString();
      EXPECT_EQ(shown, f[8]);
      continue;
    }
    test::ScriptedDialogs dialogs;
    dialogs.answers = {f[5] == "yes"};
    const Outcome outcome = RestoreBackup(dir.path(), stem, QString::fromStdString(command.at(1)), dialogs);
    const char* kinds[] = {"done", "refused", "failed"};  // in the order of Outcome::Kind
    EXPECT_STREQ(kinds[static_cast<int>(outcome.kind())], f[6].c_str());
    std::string messages;
    for (const auto& shown : dialogs.shown) {
      if (shown.kind == test::ScriptedDialogs::Shown::Message) messages += shown.text + "\n";
    }
    EXPECT_TRUE(f[7].empty() ? messages.empty() : messages.find(f[7]) != std::string::npos) << messages;
    std::vector<std::string> expected = f[8] == "unchanged" ? laid : Names(f[8]);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(test::FolderEntries(dir.path()), expected);
  }
}

}  // namespace
}  // namespace fennick
