#pragma once

#include <QString>
#include <string>

#include "scenario/result.h"

namespace fennick {

// Finds serz.exe in the program folder, then in the simulator folder, then on the search
// path. The result is the native path, or an error naming where it looked.
Result<QString> LocateConverter(const QString& programFolder, const QString& rsPath);

// Runs the simulator's converter between its binary documents and XML text files in the
// scratch folder. Every run is checked: a converter that cannot be started, ends with an
// error or writes nothing is a failed conversion, and a stale scratch file is never read.
class Converter {
 public:
  Converter(QString programFolder, QString rsPath);

  QString TempFilesFolder() const;  // ProgramFolder + "\TempFiles"
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
};

}  // namespace fennick
