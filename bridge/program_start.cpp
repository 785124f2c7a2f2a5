#include "bridge/program_start.h"

#include <QDir>
#include <QFileInfo>

#include "bridge/paths.h"
#include "bridge/process_runner.h"

namespace fennick {

Status StartProgram(const QString& programPath, const QStringList& arguments) {
  const QString native = NativePath(programPath);
  const QString shown = QDir::toNativeSeparators(native);
  if (!QFileInfo(native).isFile()) {
    return Error{("Could not start " + shown + " (the file does not exist)").toStdString()};
  }
  QString why;
  Launch launch = LaunchFor(native, arguments, &why);
  if (launch.program.isEmpty())
    return Error{("Could not start " + shown + " (" + why + ")").toStdString()};
  // The simulator finds its own files from its folder, as when started from its shortcut.
  launch.workingFolder = QFileInfo(native).absolutePath();
  if (!StartDetached(launch, &why)) {
    return Error{("Could not start " + shown + " (" + why + ")").toStdString()};
  }
  return Ok();
}

}  // namespace fennick
