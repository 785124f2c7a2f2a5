#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <string>

class QProcess;

namespace fennick::test {

// What one run of rs_fennick_cli printed and how it ended.
struct CliRun {
  int exitCode = -1;  // -1 when it did not end normally
  std::string out;
  std::string err;
};

// Runs a copy of rs_fennick_cli standing in a program folder of the test's own, so tests running
// side by side never share a TempFiles folder or a Fennick.ini. Every run is given --rs-path.
class CliRunner {
 public:
  CliRunner(const QString& programFolder, const QString& rsPath);

  bool ok() const { return ok_; }
  // `fault` goes to the stand-in converter as FENNICK_SERZ_FAIL.
  CliRun Run(QStringList arguments, bool yes = false, const QString& fault = {}) const;
  // Starts a run and leaves it running; `environment` is added to the test's own.
  void Start(QProcess& process, const QStringList& arguments,
             const QProcessEnvironment& environment = {}) const;

 private:
  QString cli_;
  QString programFolder_;
  QString rsPath_;
  bool ok_ = false;
};

}  // namespace fennick::test
