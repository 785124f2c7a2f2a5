#pragma once

#include <QString>

namespace fennick {

// Where a save or clone finds the converter and its scratch folder, and the simulator's
// folder for the weather check. Both are path texts as the program holds them.
struct SaveContext {
  QString programFolder;  // ProgramFolder: TempFiles lies below it
  QString rsPath;         // RSPath
};

}  // namespace fennick
