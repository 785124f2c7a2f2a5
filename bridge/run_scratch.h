#pragma once

#include <QString>

#include "scenario/result.h"

namespace fennick {

// Every running copy of the program (the windows, each command line) converts into a folder of
// its own below TempFiles, held by a lock file beside it (TempFiles\<run>.lock) for as long as
// the copy runs, so no copy reads, overwrites or deletes another's scratch files. The folder and
// its lock go when the program ends; a copy that was killed leaves them for the next reset.

// ProgramFolder\TempFiles\<this run's folder>, as path text. The same for the whole run.
QString RunScratchFolder(const QString& programFolder);

// Takes the run's lock and makes its folder (and TempFiles) when missing.
Status MakeRunScratchFolder(const QString& programFolder);

// The Start button's reset: deletes everything in TempFiles except the folders of copies still
// running. A missing TempFiles is left missing.
void EmptyTempFiles(const QString& tempFiles);

}  // namespace fennick
