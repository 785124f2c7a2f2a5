// The stand-ins the tests rely on, case by case from tests/data/standins.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>
#include <stdexcept>

#include "tests/support/case_file.h"
#include "tests/support/sample_install.h"
#include "tests/support/tool_paths.h"
#include "tools/sample_install/guid_numbers.h"
#include "tools/serz_format/binary_form.h"

namespace fennick {
namespace {

TEST(GuidNumbers, BothHalvesOfTheMemoryLayoutAsDecimal) {
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/standins/guid_numbers.txt")) {
    const auto& f = line.fields;
    ASSERT_EQ(f.size(), 3u) << "line " << line.lineNumber;
    if (f[1] == "invalid") {
      EXPECT_THROW(sample::UuidNumbersOf(f[0]), std::invalid_argument) << f[0];
      continue;
    }
    const sample::UuidNumbers numbers = sample::UuidNumbersOf(f[0]);
    EXPECT_EQ(numbers.first, f[1]) << f[0];
    EXPECT_EQ(numbers.second, f[2]) << f[0];
  }
}

// The bytes a case lays out as the converter's input.
std::optional<QByteArray> InputBytes(const std::string& input) {
  const auto text = [&](std::size_t from) { return input.substr(input.find(':', from) + 1); };
  if (input.starts_with("text:")) return QByteArray::fromStdString(text(0));
  std::string bin = serz::EncodeToBinary(input.starts_with("bincut:") ? text(7) : text(0));
  if (input.starts_with("binflip:")) bin[serz::kBinaryHeaderSize + 4] ^= 1;
  if (input.starts_with("bincut:")) bin.resize(std::stoul(input.substr(7)));
  if (input.starts_with("bin")) return QByteArray::fromStdString(bin);
  return std::nullopt;
}

TEST(SerzStandIn, EachRunAsTheCaseSays) {
  for (const auto& line : test::ReadCaseFile(FENNICK_TEST_DATA_DIR "/standins/serz_runs.txt")) {
    const auto& f = line.fields;
    ASSERT_EQ(f.size(), 9u) << "line " << line.lineNumber;
    SCOPED_TRACE(f[0]);
    QTemporaryDir dir;
    const QString in = dir.filePath(QString::fromStdString(f[2]));
    const QString out = dir.filePath(QString::fromStdString(f[4]));
    const auto bytes = InputBytes(f[3]);
    ASSERT_TRUE(f[3] == "folder" ? QDir().mkpath(in) : !bytes || test::WriteFileBytes(in, *bytes));
    QStringList arguments;
    if (!f[5].empty()) {
      for (QString word : QString::fromStdString(f[5]).split('|')) {
        arguments << word.replace("{in}", in).replace("{out}", out);
      }
    }
    QProcess serz;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("FENNICK_SERZ_LOG");
    environment.insert("FENNICK_SERZ_FAIL", QString::fromStdString(f[1]));
    serz.setProcessEnvironment(environment);
    serz.start(test::SerzStandIn(), arguments);
    ASSERT_TRUE(serz.waitForFinished(60000));
    EXPECT_EQ(serz.exitCode(), std::stoi(f[6]));
    EXPECT_EQ(QFile::exists(out), f[7] == "yes");
    const std::string said = serz.readAllStandardError().toStdString();
    EXPECT_NE(said.find(f[8]), std::string::npos) << said;
  }
}

}  // namespace
}  // namespace fennick
