#include "app/startup.h"

#include <QSettings>

#include "bridge/file_utils.h"
#include "bridge/run_scratch.h"

namespace fennick {

QString ReadInstallationFromRegistry() {
  return ReadInstallationFromKey(kRegistryKey);
}

QString ReadInstallationFromKey(const QString& key) {
#ifdef Q_OS_WIN
  // The simulator is a 32-bit program, so its installer wrote the 32-bit view (WOW6432Node on
  // a 64-bit system); the 64-bit view is the fallback.
  for (const QSettings::Format view : {QSettings::Registry32Format, QSettings::Registry64Format}) {
    const QVariant value = QSettings(key, view).value(QStringLiteral("Default"));
    if (value.typeId() == QMetaType::QString && !value.toString().isEmpty()) {
      return value.toString();
    }
  }
#else
  Q_UNUSED(key);
#endif
  return {};
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
