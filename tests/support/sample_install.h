#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

namespace fennick::test {

// A sample simulator installation laid out afresh in a temporary folder, with a program folder
// (holding TempFiles) beside it. Each test gets its own, so tests never share files.
class SampleInstall {
 public:
  SampleInstall();

  bool ok() const { return ok_; }
  const QString& error() const { return error_; }
  QString RsPath() const;                       // the simulator folder
  QString ProgramFolder() const;                // the program's folder, TempFiles below it
  QString Path(const QString& relative) const;  // below RsPath, "/" separated

 private:
  QTemporaryDir dir_;
  bool ok_ = false;
  QString error_;
};

QByteArray ReadFileBytes(const QString& path);
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
// A folder's entries sorted by name: "name=bytes" for a file, "name/" for a folder.
std::vector<std::string> FolderEntries(const QString& folder);

// Converts a stand-in .bin to its XML bytes (and back) without the program's own code.
QByteArray DecodeBin(const QString& binPath);
bool WriteBin(const QString& binPath, const std::string& xml);

}  // namespace fennick::test
