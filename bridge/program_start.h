#pragma once

#include <QString>
#include <QStringList>

#include "scenario/result.h"

namespace fennick {

// Starts one of the simulator's programs (a path text such as RSPath + "\RailSim.exe")
// detached, without waiting for it: directly on Windows with the given command-line text
// after the program, through wine for a Windows executable elsewhere; in the program's own
// folder. A start that fails is an error naming the program.
Status StartProgram(const QString& programPath, const QStringList& arguments = {});

}  // namespace fennick
