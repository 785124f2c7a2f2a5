#pragma once

#include <QString>

#include "app/dialogs.h"
#include "app/outcome.h"

namespace fennick {

// "Restore Selected Backup": after the person agrees, keeps folder\stem.bin under its next
// backup name (as a save does), then writes the bytes of the backup `name` as the new
// folder\stem.bin. The chosen backup stays where it is. Refused, with nothing changed, when
// `name` is not one of the listed backups or when every backup name is taken; when writing the
// document fails, the kept document is put back under its own name.
Outcome RestoreBackup(const QString& folder, const QString& stem, const QString& name,
                      Dialogs& dialogs);

}  // namespace fennick
