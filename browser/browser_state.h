#pragma once

#include <QString>
#include <string>
#include <vector>

#include "scenario/text_codec.h"

namespace fennick::browser {

// What the browser learns while it runs and the scenario editor reads afterwards. Names and
// folder names are the documents' bytes; each list keeps the encoding of the document it came
// from so that they can be shown and turned into paths.
struct BrowserState {
  // The route list, by row: Routes.xml's names and folder names (DevString texts).
  std::vector<std::string> routeNames;
  std::vector<std::string> routeIds;
  TextEncoding routesEncoding = TextEncoding::kWindows1252;

  // The scenario list of the last listing, by row.
  std::vector<std::string> scenarioNames;
  std::vector<std::string> scenarioIds;
  TextEncoding scenariosEncoding = TextEncoding::kWindows1252;
  QString scenariosBinPath;     // the listed route's Scenarios.bin
  QString listedRouteFolder;    // RSPath\content\Routes\<route> of the last listing
  std::string listedIndexText;  // that route's index as the listing converted it

  // The route and scenario being worked on: set by a press on the scenario list and by the
  // editor's opening.
  QString routeFolder;
  QString scenarioFolder;

  // The whole index text of the route whose scenario is opened in the editor.
  std::string scenariosText;
};

}  // namespace fennick::browser
