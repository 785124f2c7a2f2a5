#include "app/startup.h"

#include <QSettings>

#include "bridge/file_utils.h"
#include "bridge/run_scratch.h"

namespace fennick {

QString ReadInstallationFromRegistry() {
#ifdef Q_OS_WIN
  QSettings key(kRegistryKey, QSettings::NativeFormat);
  const QVariant value = key.value(QStringLiteral("Default"));
  return value.typeId() == QMetaType::QString ? value.toString() : QString();
#else
  return {};
#endif
}

void LocateSimulator(const AppPaths& paths, Settings& settings, const LocationSources& sources) {
  LoadSettings(paths.IniPath(), settings);
  if (settings.rsPath.isEmpty() && sources.registry) settings.rsPath = sources.registry();
  if (settings.rsPath.isEmpty() && sources.pickFolder) sources.pickFolder(settings);
}

Status PrepareTempFiles(const AppPaths& paths) {
  EmptyTempFiles(paths.TempFiles());
  if (auto made = MakeFolder(paths.TempFiles()); !made) {
    return Error{"Error - " + made.error() + " occurred in frmStartup command1\n"};
  }
  return Ok();
}

Status AcceptPickedFolder(const AppPaths& paths, Settings& settings, const QString& typedPath) {
  settings.rsPath = typedPath;
  return SaveSettings(paths.IniPath(), settings);
}

Status Donate(const AppPaths& paths, Settings& settings, Dialogs& dialogs,
              const std::function<bool(const QString& address)>& openAddress) {
  // The answer to the note does not matter: both lead on to the page.
  dialogs.AskYesNo("", MessageIcon::Information, "Beer Money");
  if (!openAddress(kDonationAddress)) {
    dialogs.ShowMessage(
        ("The donation page could not be opened. Its address is " + kDonationAddress)
            .toStdString());
  }
  settings.contributeMark = QStringLiteral("Contribute");
  return SaveSettings(paths.IniPath(), settings);
}

}  // namespace fennick
