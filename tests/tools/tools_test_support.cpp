#include "tests/tools/tools_test_support.h"

#include <QFile>
#include <QProcess>

namespace fennick::testing {

ChildResult RunChild(const QString& program, const QStringList& arguments,
                     const QProcessEnvironment& environment, const QString& workingFolder) {
  QProcess process;
  process.setProcessEnvironment(environment);
  if (!workingFolder.isEmpty()) process.setWorkingDirectory(workingFolder);
  process.start(program, arguments);
  ChildResult result;
  // A generous bound only guards against a hung child; the programs end in milliseconds.
  if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit) {
    result.exitCode = process.exitCode();
    result.standardError = process.readAllStandardError();
  } else {
    process.kill();
    process.waitForFinished();
  }
  return result;
}

QByteArray ReadWholeFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

std::vector<std::string> ElementBlocks(std::string_view doc, std::string_view name) {
  std::vector<std::string> blocks;
  const std::string open = "<" + std::string(name);
  const std::string close = "</" + std::string(name) + ">";
  for (std::size_t p = doc.find(open); p != std::string_view::npos; p = doc.find(open, p + 1)) {
    const std::size_t after = p + open.size();
    if (after >= doc.size() || (doc[after] != ' ' && doc[after] != '>')) continue;
    const std::size_t end = doc.find(close, p);
    if (end == std::string_view::npos) break;
    blocks.emplace_back(doc.substr(p, end + close.size() - p));
  }
  return blocks;
}

std::vector<std::string> ElementTexts(std::string_view doc, std::string_view name) {
  std::vector<std::string> texts;
  for (const std::string& block : ElementBlocks(doc, name)) {
    const std::size_t start = block.find('>') + 1;
    texts.push_back(block.substr(start, block.size() - start - name.size() - 3));
  }
  return texts;
}

std::size_t CountOf(std::string_view doc, std::string_view needle) {
  std::size_t count = 0;
  for (std::size_t p = doc.find(needle); p != std::string_view::npos; p = doc.find(needle, p + 1)) {
    ++count;
  }
  return count;
}

bool InOrder(std::string_view text, std::initializer_list<std::string_view> needles) {
  std::size_t from = 0;
  for (std::string_view needle : needles) {
    from = text.find(needle, from);
    if (from == std::string_view::npos) return false;
    ++from;
  }
  return true;
}

}  // namespace fennick::testing
