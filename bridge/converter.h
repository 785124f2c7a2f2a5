#pragma once

#include <QString>
#include <string>

#include "bridge/process_runner.h"
#include "scenario/result.h"

namespace fennick {

// Finds serz.exe in the program folder, then in the simulator folder, then on the search
// path. The result is the native path, or an error naming where it looked.
Result<QString> LocateConverter(const QString& programFolder, const QString& rsPath);

// Runs the simulator's converter between its binary documents and XML text files in this
// run's scratch folder. Every run is checked: a converter that cannot be started, ends with an
// error or writes nothing is a failed conversion (its own error output in the message), and a
// stale scratch file is never read.
class Converter {
 public:
  // `cancel`, when given, ends the runs of this converter early (stock gathering's Cancel).
  Converter(QString programFolder, QString rsPath, RunCancel* cancel = nullptr);

  // The same converter, its runs ended early by `cancel`.
  Converter WithCancel(RunCancel* cancel) const {
    return Converter(programFolder_, rsPath_, cancel);
  }

  QString ScratchFolder() const;  // this run's folder below ProgramFolder + "\TempFiles"
  Status MakeScratchFolder() const;
  QString ScratchPath(const QString& scratchName) const;

  // Converts the .bin document to TempFiles\scratchName and returns that file's bytes.
  Result<std::string> BinToXml(const QString& binPath, const QString& scratchName) const;

  // Converts TempFiles\scratchName to the .bin path. An existing .bin at that path is kept
  // aside during the run and put back if the conversion fails.
  Status XmlToBin(const QString& scratchName, const QString& binPath) const;

  // One run of the converter from any input to any output path (both path texts).
  Status Convert(const QString& inputPath, const QString& outputPath) const;

 private:
  QString programFolder_;
  QString rsPath_;
  RunCancel* cancel_;
};

}  // namespace fennick
