#pragma once

#include <QString>

class QProcess;

namespace fennick::test {

// Waits without sleeping until the file exists: its folder is watched and looked at on every
// change. False when `child` ended first, as the file will then never come.
bool WaitForFile(const QString& path, const QProcess* child = nullptr);

}  // namespace fennick::test
