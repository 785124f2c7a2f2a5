#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "browser/browser_state.h"

namespace fennick::browser {

// Puts a document's first backup back in `folder`: deletes stem.bak1 to stem.bak50, then, when
// stem.bin and stem.bak both exist, renames stem.bak over stem.bin in one step (so there is never
// a moment without a stem.bin). Returns one line for each file that could not be deleted or
// renamed; the steps after a failure still run.
std::vector<std::string> RestoreFirstBackup(const QString& folder, const QString& stem);

// "Revert to Default for selected Route": the Scenarios.bin of the route in `routeRow`.
// "Revert to Default for selected Scenario": the Scenario.bin of the last selected row of the
// listing. Neither asks or reports success; with no row selected neither does anything. A file
// that could not be deleted or renamed is reported. True when the restore ran without failure.
bool RevertRoute(const QString& rsPath, const BrowserState& browser, std::optional<int> routeRow,
                 Dialogs& dialogs);
bool RevertScenario(const BrowserState& browser, const std::vector<int>& selectedRows,
                    Dialogs& dialogs);

}  // namespace fennick::browser
