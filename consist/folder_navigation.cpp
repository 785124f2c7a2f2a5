#include "consist/folder_navigation.h"

#include "bridge/paths.h"

namespace fennick {

QString StockFolderAtStart(const QString& rsPath, const QString& lastStockFolder) {
  if (!lastStockFolder.isEmpty()) return lastStockFolder;
  return JoinPath(rsPath, QStringLiteral("Assets\\Kuju"));
}

std::optional<QString> FollowHighlightedFolder(const QString& currentPath,
                                               const QString& highlightedEntry) {
  if (currentPath.compare(highlightedEntry, Qt::CaseInsensitive) == 0) return std::nullopt;
  QString path = highlightedEntry;
  if (!path.endsWith('\\') && !path.endsWith('/')) {
    // A path written the system's way gets "\"; one written with "/" (elsewhere) keeps to it.
    const bool slashes = path.contains('/') && !path.contains('\\');
    path += slashes ? QChar('/') : QChar('\\');
  }
  return path;
}

}  // namespace fennick
