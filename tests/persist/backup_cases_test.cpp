#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <sstream>

#include "persist/backup_files.h"
#include "persist/restore_backup.h"
#include "tests/support/case_file.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

std::vector<std::string> Words(const std::string& field) {
  std::vector<std::string> words;
  std::istringstream in(field);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// "Scenario.bak1..50" stands for Scenario.bak1 to Scenario.bak50.
std::vector<std::string> Expand(const std::string& field) {
  std::vector<std::string> names;
  for (const std::string& word : Words(field)) {
    const std::size_t dots = word.find("..");
    if (dots == std::string::npos) {
      names.push_back(word);
      continue;
    }
    std::size_t digits = dots;
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(word[digits - 1]))) --digits;
    const int from = std::stoi(word.substr(digits, dots - digits));
    const int to = std::stoi(word.substr(dots + 2));
    for (int n = from; n <= to; ++n) names.push_back(word.substr(0, digits) + std::to_string(n));
  }
  return names;
}

// Each file holds its own name as its bytes; a name ending in "/" is a folder with a file in it.
void LayOut(const QString& folder, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const QString path = folder + "/" + QString::fromStdString(name);
    if (name.ends_with('/')) {
      ASSERT_TRUE(QDir().mkpath(path + "in-the-way"));
      continue;
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(name.data(), qint64(name.size()));
  }
}

// The folder as "name=bytes" for files and "name/" for folders, by name.
std::vector<std::string> Contents(const QString& folder) {
  std::vector<std::string> entries;
  for (const QFileInfo& entry :
       QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
    const std::string name = entry.fileName().toStdString();
    if (entry.isDir()) {
      entries.push_back(name + "/");
      continue;
    }
    QFile file(entry.filePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    entries.push_back(name + "=" + file.readAll().toStdString());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::string Listing(const QString& folder, const QString& stem) {
  const BackupListing listing = ListBackups(folder, stem);
  std::string shown = listing.current ? listing.current->name.toStdString() : "-";
  shown += " |";
  for (const BackupFile& backup : listing.backups) shown += " " + backup.name.toStdString();
  return shown;
}

const char* KindName(Outcome::Kind kind) {
  switch (kind) {
    case Outcome::Kind::kDone:
      return "done";
    case Outcome::Kind::kRefused:
      return "refused";
    case Outcome::Kind::kFailed:
      return "failed";
  }
  return "?";
}

// tests/data/backups/cases.txt: the listing of a folder, and what a restore leaves in it.
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
    ASSERT_TRUE(dir.isValid());
    LayOut(dir.path(), Expand(f[3]));
    const QString stem = QString::fromStdString(f[2]);
    const std::vector<std::string> command = Words(f[4]);
    if (command.at(0) == "list") {
      EXPECT_EQ(Listing(dir.path(), stem), f[8]);
      continue;
    }
    test::ScriptedDialogs dialogs;
    dialogs.answers = {f[5] == "yes"};
    const Outcome outcome =
        RestoreBackup(dir.path(), stem, QString::fromStdString(command.at(1)), dialogs);
    EXPECT_STREQ(KindName(outcome.kind()), f[6].c_str());
    std::string messages;
    for (const auto& shown : dialogs.shown) {
      if (shown.kind == test::ScriptedDialogs::Shown::Message) messages += shown.text + "\n";
    }
    if (f[7].empty()) {
      EXPECT_EQ(messages, "");
    } else {
      EXPECT_NE(messages.find(f[7]), std::string::npos) << messages;
    }
    std::vector<std::string> expected = Words(f[8]);
    std::sort(expected.begin(), expected.end());
    if (f[8] == "unchanged") {
      expected = Expand(f[3]);
      for (std::string& name : expected) name += name.ends_with('/') ? "" : "=" + name;
      std::sort(expected.begin(), expected.end());
    }
    EXPECT_EQ(Contents(dir.path()), expected);
  }
}

}  // namespace
}  // namespace fennick
