#include "app/settings.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>
#include <vector>

namespace fennick {

namespace {

// Splits the file into its items the way the file has always been read.
std::vector<QString> ReadItems(const QString& content) {
  std::vector<QString> items;
  const QStringList lines = content.split('\n');
  for (int n = 0; n < lines.size(); ++n) {
    QString line = lines[n];
    if (line.endsWith('\r')) line.chop(1);
    if (n == lines.size() - 1 && line.isEmpty()) break;  // after the last line end
    int at = 0;
    do {
      while (at < line.size() && line[at] == ' ') ++at;
      if (at < line.size() && line[at] == '"') {
        // A quoted value runs to the last quote before the next comma after it.
        int close = line.lastIndexOf('"');
        const int comma = line.indexOf(',', close);
        items.push_back(line.mid(at + 1, close - at - 1));
        at = comma < 0 ? int(line.size()) + 1 : comma + 1;
      } else {
        const int comma = line.indexOf(',', at);
        const int end = comma < 0 ? int(line.size()) : comma;
        items.push_back(line.mid(at, end - at));
        at = comma < 0 ? int(line.size()) + 1 : comma + 1;
      }
    } while (at <= line.size());
  }
  return items;
}

bool ReadFlag(const QString& item) {
  const QString flag = item.trimmed();
  if (flag.compare("True", Qt::CaseInsensitive) == 0 ||
      flag.compare("#TRUE#", Qt::CaseInsensitive) == 0) {
    return true;
  }
  bool isNumber = false;
  const double value = flag.toDouble(&isNumber);
  return isNumber && value != 0;
}

// This program writes UTF-8; the older one wrote the ANSI code page. Bytes that are not valid
// UTF-8 come from such a file (Latin-1 stands in for the code page where there is none).
QString DecodeSettings(const QByteArray& content) {
  QStringDecoder utf8(QStringConverter::Utf8);
  const QString text = utf8(content);
  if (!utf8.hasError()) return text;
#ifdef Q_OS_WIN
  return QString::fromLocal8Bit(content);
#else
  return QString::fromLatin1(content);
#endif
}

QString Quoted(const QString& value) {
  const bool needsQuotes =
      value.contains(',') || value.contains('"') || value.startsWith(' ') || value.startsWith('\t');
  return needsQuotes ? '"' + value + '"' : value;
}

}  // namespace

void ParseSettings(const QByteArray& content, Settings& settings) {
  const std::vector<QString> items = ReadItems(DecodeSettings(content));
  if (items.size() > 0) settings.rsPath = items[0];
  if (items.size() > 1) settings.contributeMark = items[1];
  if (items.size() > 2) settings.lastStockFolder = items[2];
  if (items.size() > 3) settings.timetableWarningAccepted = ReadFlag(items[3]);
}

bool LoadSettings(const QString& iniPath, Settings& settings) {
  QFile file(iniPath);
  if (!file.open(QIODevice::ReadOnly)) return false;
  ParseSettings(file.readAll(), settings);
  return true;
}

QByteArray FormatSettings(const Settings& settings) {
  const QString text = Quoted(settings.rsPath) + "\r\n" + Quoted(settings.contributeMark) + "\r\n" +
                       Quoted(settings.lastStockFolder) + "\r\n" +
                       (settings.timetableWarningAccepted ? "True" : "False") + "\r\n";
  return text.toUtf8();
}

Status SaveSettings(const QString& iniPath, const Settings& settings) {
  QSaveFile file(iniPath);
  const QByteArray bytes = FormatSettings(settings);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    return Error{("Cannot write the settings file " + iniPath + " (" + file.errorString() + ")")
                     .toStdString()};
  }
  return Ok();
}

}  // namespace fennick
