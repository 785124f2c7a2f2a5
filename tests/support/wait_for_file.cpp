#include "tests/support/wait_for_file.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QProcess>

namespace fennick::test {

bool WaitForFile(const QString& path, const QProcess* child) {
  QFileSystemWatcher watcher({QFileInfo(path).absolutePath()});
  QEventLoop loop;
  QObject::connect(&watcher, &QFileSystemWatcher::directoryChanged, &loop, &QEventLoop::quit);
  if (child) QObject::connect(child, &QProcess::finished, &loop, &QEventLoop::quit);
  while (!QFileInfo::exists(path)) {
    if (child && child->state() == QProcess::NotRunning) return false;
    loop.exec();
  }
  return true;
}

}  // namespace fennick::test
