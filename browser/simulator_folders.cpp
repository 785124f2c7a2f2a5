#include "browser/simulator_folders.h"

#include "bridge/paths.h"
#include "browser/display_text.h"

namespace fennick::browser {

QString RouteFolderPath(const QString& rsPath, std::string_view routeId, TextEncoding encoding) {
  return JoinPath(rsPath, "content\\Routes\\" + DisplayText(routeId, encoding));
}

QString ScenarioFolderPath(const QString& routeFolder, std::string_view scenarioId,
                           TextEncoding encoding) {
  return JoinPath(routeFolder, "Scenarios\\" + DisplayText(scenarioId, encoding));
}

std::optional<int> RowOfFolder(const std::vector<std::string>& ids, TextEncoding encoding,
                               const QString& folder) {
  for (std::size_t row = 0; row < ids.size(); ++row) {
    if (DisplayText(ids[row], encoding).compare(folder, Qt::CaseInsensitive) == 0) {
      return static_cast<int>(row);
    }
  }
  return std::nullopt;
}

}  // namespace fennick::browser
