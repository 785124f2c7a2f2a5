#pragma once

#include <QString>

#include "app/dialogs.h"
#include "browser/browser_state.h"
#include "browser/list_row.h"

namespace fennick::browser {

// RSPath\Content\Routes.xml.
QString RoutesXmlPath(const QString& rsPath);

// The browser's load: reads Routes.xml into the route list of `browser` and returns its rows.
// Every route that can be listed is listed; a route without names is listed with an empty name.
// A missing file, a file without routes and malformed route entries are reported together in one
// message: "Error - ... occurred in frmShowRoutes_Load", then "i = " and the routes listed.
ListRows LoadRouteCatalogue(const QString& rsPath, BrowserState& browser, Dialogs& dialogs);

}  // namespace fennick::browser
