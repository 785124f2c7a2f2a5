#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "browser/browser_state.h"

namespace fennick::browser {

// The simulator's folders, built as the simulator names them: RSPath\content\Routes\<route>
// and <route folder>\Scenarios\<scenario>. Folder names come from the documents' bytes.
QString RouteFolderPath(const QString& rsPath, std::string_view routeId, TextEncoding encoding);
QString ScenarioFolderPath(const QString& routeFolder, std::string_view scenarioId,
                           TextEncoding encoding);

// The row whose folder name is `folder`, compared without regard to case as the simulator's
// file system compares names, or nullopt.
std::optional<int> RowOfFolder(const std::vector<std::string>& ids, TextEncoding encoding,
                               const QString& folder);

}  // namespace fennick::browser
