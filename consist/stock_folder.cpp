#include "consist/stock_folder.h"

#include <QRegularExpression>
#include <QStringList>

namespace fennick {

namespace {

bool IsDriveLetter(const QString& component) {
  return component.size() == 2 && component[1] == ':' && component[0].isLetter();
}

std::string Utf8(const QString& s) {
  return s.toStdString();
}

}  // namespace

std::optional<StockFolder> SplitStockFolder(const QString& folderPath) {
  static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
  QStringList parts = folderPath.split(separators, Qt::SkipEmptyParts);
  if (!parts.isEmpty() && IsDriveLetter(parts.front())) parts.removeFirst();
  if (parts.size() < 3) return std::nullopt;

  StockFolder folder;
  folder.path = folderPath;
  while (folder.path.size() > 1 && (folder.path.endsWith('\\') || folder.path.endsWith('/'))) {
    folder.path.chop(1);
  }
  const qsizetype n = parts.size();
  folder.leaf = Utf8(parts[n - 1]);
  folder.product = Utf8(parts[n - 2]);
  folder.provider = Utf8(parts[n - 3]);
  if (parts[n - 3].compare(QStringLiteral("Assets"), Qt::CaseInsensitive) == 0) {
    folder.provider = folder.product;
    folder.product = folder.leaf;
    folder.productFolderChosen = true;
  }
  return folder;
}

bool IsRailVehiclesFolder(const StockFolder& folder) {
  return QString::fromStdString(folder.leaf)
             .compare(QStringLiteral("RailVehicles"), Qt::CaseInsensitive) == 0;
}

}  // namespace fennick
