#pragma once

#include <QString>
#include <functional>

#include "app/app_paths.h"
#include "app/dialogs.h"
#include "app/settings.h"
#include "scenario/result.h"

namespace fennick {

inline const QString kStartupCaption = QStringLiteral("RailSimulator Startup");
inline const QString kRegistryKey =
    QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Rail Simulator\\Packager Manager\\Installation");

// The default (unnamed) value of the simulator's registry key; empty where there is none.
QString ReadInstallationFromRegistry();
// The same for any key: its 32-bit view first, then its 64-bit view.
QString ReadInstallationFromKey(const QString& key);

// Settles the simulator folder: the settings file, then the registry, then the folder picker
// (which sets the path and writes the settings itself when the person confirms).
struct LocationSources {
  std::function<QString()> registry = ReadInstallationFromRegistry;
  std::function<void(Settings&)> pickFolder;
};
void LocateSimulator(const AppPaths& paths, Settings& settings, const LocationSources& sources);

// The Start button: empties TempFiles (sparing the scratch folders of copies still running) and
// makes it when missing. The error is the message to show.
Status PrepareTempFiles(const AppPaths& paths);

// The folder picker's OK: stores the typed path unchanged and writes the settings.
Status AcceptPickedFolder(const AppPaths& paths, Settings& settings, const QString& typedPath);

// The donation button: the note, the donation page in the person's web browser, then the
// mark that hides the button from the next start, written to the settings file.
inline const QString kDonationAddress = QStringLiteral(
    "https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=donations%40rs-fennick.example"
    "&item_name=RS_Fennick+Payment&no_shipping=0&no_note=1&tax=0&currency_code=USD&lc=AU");
Status Donate(const AppPaths& paths, Settings& settings, Dialogs& dialogs,
              const std::function<bool(const QString& address)>& openAddress);

}  // namespace fennick
