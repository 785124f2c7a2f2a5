#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/dialogs.h"
#include "bridge/converter.h"
#include "browser/browser_state.h"
#include "scenario/editor_load.h"
#include "scenario/editor_session.h"
#include "scenario/index_cut.h"
#include "scenario/result.h"

namespace fennick {

// "Edit Selected Scenario": converts the route's Scenarios.bin and the scenario's Scenario.bin
// and prepares the session the editor loads. routeFolder is RSPath + "\content\Routes\" + id,
// scenarioFolder the scenario's folder below it and folderName its name as the index writes it.
// Any failure (a failed conversion, an entry not in the index) is an error and nothing opens.
Result<ScenarioSession> OpenScenario(const Converter& converter, const QString& routeFolder,
                                     const QString& scenarioFolder, const std::string& folderName);

// How an opening reads what it needs, for a caller that lists and opens in one go.
struct OpenOptions {
  // The index text the listing converted moments ago, or nothing to convert it again (a window
  // may open a scenario long after its listing, and another copy may have saved meanwhile).
  const std::string* indexAsListed = nullptr;
  // A look that never clones keeps no second copy of the document as read: the session's
  // scenarioTextAsRead is then empty.
  bool keepTextAsRead = true;
};

Result<ScenarioSession> OpenScenario(const Converter& converter, const QString& routeFolder,
                                     const QString& scenarioFolder, const std::string& folderName,
                                     const OpenOptions& options);

// A scenario opened for editing and loaded: what the editor window shows.
struct OpenedScenario {
  ScenarioSession session;
  EditorView view;
};

// Opens row `row` of the last scenario listing and runs the editor load; on success the
// browser's state names the route and scenario being edited and holds the index text.
Result<OpenedScenario> OpenListedScenario(const AppState& state, browser::BrowserState& browser,
                                          int row, const OpenOptions& options = {});

// The checks in front of the opening, with their messages: the listed rows and the selected
// ones (lowest first). Returns the row to open, or nothing after a message.
std::optional<int> ChooseScenarioToOpen(const std::vector<std::string>& scenarioIds,
                                        const std::vector<int>& selectedRows, Dialogs& dialogs);

}  // namespace fennick
