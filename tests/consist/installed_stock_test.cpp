// Which blueprints count as installed, from cases under tests/data/installed_stock: each file
// lays out an Assets folder and names the blueprints that must and must not count. One line a
// fact, fields separated by TABs (paths below Assets, "/"-separated):
//   file     PATH [BYTES]          a loose file
//   archive  PATH ENTRY...         a .ap archive holding the entries
//   damaged  PATH ENTRY...         the same archive cut short
//   installed / missing  PROVIDER PRODUCT BLUEPRINT-ID
//   reports  COUNT TEXT            messages shown over the whole case, each naming TEXT
#include <gtest/gtest.h>
#include <zip.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "consist/installed_stock.h"
#include "tests/support/case_file.h"
#include "tests/support/scripted_dialogs.h"

namespace fennick {
namespace {

namespace fs = std::filesystem;

fs::path Below(const QString& root, const std::string& path) {
  fs::path file = fs::path(root.toStdString()) / fs::path(path);
  fs::create_directories(file.parent_path());
  return file;
}

void WriteArchive(const fs::path& path, const std::vector<std::string>& entries, bool cutShort) {
  int error = 0;
  zip_t* archive = zip_open(path.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(archive, nullptr) << path;
  for (const std::string& entry : entries) {
    static const char kBytes[] = "SERZ blueprint";
    zip_source_t* source = zip_source_buffer(archive, kBytes, sizeof kBytes, 0);
    ASSERT_GE(zip_file_add(archive, entry.c_str(), source, ZIP_FL_ENC_UTF_8), 0) << entry;
  }
  ASSERT_EQ(zip_close(archive), 0) << path;
  if (cutShort) fs::resize_file(path, fs::file_size(path) - 12);
}

void RunCase(const fs::path& caseFile) {
  SCOPED_TRACE(caseFile.filename().string());
  QTemporaryDir root;
  const QString assets = root.path() + "/Assets";
  InstalledStock stock(root.path());
  test::ScriptedDialogs dialogs;
  std::size_t reports = 0;
  std::string reportText;
  for (const test::CaseLine& line : test::ReadCaseFile(caseFile.string())) {
    const std::vector<std::string>& f = line.fields;
    SCOPED_TRACE("line " + std::to_string(line.lineNumber));
    const std::vector<std::string> rest(f.begin() + std::min<std::size_t>(2, f.size()), f.end());
    if (f[0] == "file") {
      std::ofstream(Below(assets, f.at(1)), std::ios::binary) << (f.size() > 2 ? f[2] : "SERZ");
    } else if (f[0] == "archive" || f[0] == "damaged") {
      WriteArchive(Below(assets, f.at(1)), rest, f[0] == "damaged");
    } else if (f[0] == "installed" || f[0] == "missing") {
      const bool installed =
          stock.IsInstalled(QString::fromStdString(f.at(1)), QString::fromStdString(f.at(2)),
                            QString::fromStdString(f.at(3)), dialogs);
      EXPECT_EQ(installed, f[0] == "installed") << f[1] << '\\' << f[2] << '\\' << f[3];
    } else if (f[0] == "reports") {
      reports = std::stoul(f.at(1));
      reportText = f.at(2);
    } else {
      FAIL() << "unknown fact " << f[0];
    }
  }
  EXPECT_EQ(dialogs.shown.size(), reports);
  for (const std::string& message : dialogs.Messages())
    EXPECT_NE(message.find(reportText), std::string::npos) << message;
}

TEST(InstalledStock, CountsLooseFilesAndArchiveEntriesAsTheCasesSay) {
  const fs::path folder = fs::path(FENNICK_TEST_DATA_DIR) / "installed_stock";
  ASSERT_FALSE(fs::is_empty(folder));
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) RunCase(entry.path());
}

}  // namespace
}  // namespace fennick
