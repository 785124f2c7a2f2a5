#pragma once

#include <QString>
#include <optional>

namespace fennick {

// Where the rolling-stock folder list starts when the editor opens: the folder last navigated
// to, or RSPath\Assets\Kuju when there is none yet.
QString StockFolderAtStart(const QString& rsPath, const QString& lastStockFolder);

// A click in a folder list (or a change of its path) opens the highlighted entry at once. The
// new path ends with a separator; the rolling-stock list keeps it as LastStockFolder, the
// weather list shows its files. Nothing when the list already shows the highlighted folder
// (letter case ignored).
std::optional<QString> FollowHighlightedFolder(const QString& currentPath,
                                               const QString& highlightedEntry);

}  // namespace fennick
