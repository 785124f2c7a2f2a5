#include "consist/weather.h"

#include <QDir>
#include <QRegularExpression>
#include <QStringList>

#include "consist/messages.h"

namespace fennick {

std::optional<WeatherBoxes> SetWeather(const QString& folderPath, const QString& fileName,
                                       Dialogs& dialogs) {
  if (fileName.isEmpty()) {
    dialogs.ShowMessage(std::string(kNoWeatherFile));
    return std::nullopt;
  }
  static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
  const QStringList parts = folderPath.split(separators, Qt::SkipEmptyParts);
  qsizetype assets = -1;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    if (parts[i].compare(QStringLiteral("Assets"), Qt::CaseInsensitive) == 0) {
      assets = i;
      break;
    }
  }
  if (assets < 0 || parts.size() < assets + 3) {
    dialogs.ShowMessage("The folder " + QDir::toNativeSeparators(folderPath).toStdString() +
                        " does not lie in a provider and a product folder under Assets, so it "
                        "cannot name a weather blueprint.");
    return std::nullopt;
  }

  QString file = fileName;
  if (file.right(3).compare(QStringLiteral("bin"), Qt::CaseInsensitive) == 0) {
    file = file.left(file.size() - 3) + "xml";
  }
  QStringList id = parts.mid(assets + 3);
  id.append(file);
  return WeatherBoxes{parts[assets + 1].toStdString(), parts[assets + 2].toStdString(),
                      id.join('\\').toStdString()};
}

}  // namespace fennick
