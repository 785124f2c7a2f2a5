#pragma once

#include <QString>

#include "scenario/result.h"

namespace fennick {

// The four lines of Fennick.ini, in file order.
struct Settings {
  QString rsPath;
  QString contributeMark;
  QString lastStockFolder;
  bool timetableWarningAccepted = false;
};

// Reads the file into `settings`. Items are read in file order as a comma-delimited list, as
// the file has always been read: leading blanks skipped, an item ending at a comma or the line
// end, a value in double quotes losing its quotes. A short file leaves the items it lacks as
// they were. A missing file changes nothing and returns false.
bool LoadSettings(const QString& iniPath, Settings& settings);

// Parses the text of a settings file; LoadSettings without the file.
void ParseSettings(const QByteArray& content, Settings& settings);

// The whole file, four lines ended by CR LF. A value the reader would cut or trim (a comma,
// a double quote, leading blanks) is written in double quotes; plain values stay unquoted.
QByteArray FormatSettings(const Settings& settings);

// Replaces the file with the four current values.
Status SaveSettings(const QString& iniPath, const Settings& settings);

}  // namespace fennick
