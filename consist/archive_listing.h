#pragma once

#include <QString>
#include <QStringList>

#include "scenario/result.h"

namespace fennick {

// The entry names of a zip archive (a .ap file), as the archive spells them, or why it cannot
// be read: missing, unreadable or damaged.
Result<QStringList> ListArchive(const QString& nativePath);

}  // namespace fennick
