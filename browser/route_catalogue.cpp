#include "browser/route_catalogue.h"

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "browser/display_text.h"
#include "browser/index_scan.h"
#include "browser/plain_names.h"

namespace fennick::browser {

namespace {

std::string LoadMessage(const std::string& description, std::size_t routesListed) {
  // The count keeps the blank where a sign would stand, as the message always showed it.
  return "Error - " + description +
         " occurred in frmShowRoutes_Load\ni =  " + std::to_string(routesListed);
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
  std::string joined;
  for (const std::string& part : parts) {
    if (!joined.empty()) joined += separator;
    joined += part;
  }
  return joined;
}

}  // namespace

QString RoutesXmlPath(const QString& rsPath) {
  return JoinPath(rsPath, "Content\\Routes.xml");
}

ListRows LoadRouteCatalogue(const QString& rsPath, BrowserState& browser, Dialogs& dialogs) {
  browser.routeNames.clear();
  browser.routeIds.clear();
  ListRows rows;

  const QString path = RoutesXmlPath(rsPath);
  std::string text;
  if (!FileExists(path) || !ReadTextFile(path, text).ok()) {
    dialogs.ShowMessage(LoadMessage("the route list " + ShownPath(path) + " cannot be read", 0));
    return rows;
  }

  const TextEncoding encoding = DocumentEncoding(text);
  browser.routesEncoding = encoding;
  const IndexScan scan = ScanIndexEntries(text);
  std::vector<std::string> problems;
  int entryNumber = 0;
  for (const IndexEntry& entry : scan.entries) {
    ++entryNumber;
    const std::string shownFolder = MessageText(entry.folderName, encoding);
    if (!IsPlainFolderName(entry.folderName)) {
      problems.push_back("route entry " + std::to_string(entryNumber) + " names the folder \"" +
                         shownFolder + "\", which is not a plain folder name (left out)");
      continue;
    }
    if (entry.nameBlockMissing) {
      problems.push_back("route entry " + std::to_string(entryNumber) + " (folder " + shownFolder +
                         ") has no English, French, Italian, German and Spanish names (listed "
                         "without a name)");
    }
    browser.routeNames.push_back(entry.displayName);
    browser.routeIds.push_back(entry.folderName);
    rows.push_back(
        {DisplayText(entry.displayName, encoding), DisplayText(entry.folderName, encoding)});
  }
  if (scan.stoppedAtUnclosedDevString) {
    problems.push_back("route entry " + std::to_string(entryNumber + 1) +
                       " has a DevString without its closing tag (it and the entries after it "
                       "are left out)");
  }

  if (scan.entries.empty() && !scan.stoppedAtUnclosedDevString) {
    dialogs.ShowMessage(LoadMessage(
        "the route list " + ShownPath(path) + " holds no route (no DevString element)", 0));
  } else if (!problems.empty()) {
    dialogs.ShowMessage(LoadMessage(
        "the route list " + ShownPath(path) + " has malformed entries: " + Join(problems, "; "),
        rows.size()));
  }
  return rows;
}

}  // namespace fennick::browser
