#pragma once

#include <QString>
#include <string>

#include "bridge/converter.h"
#include "consist/blueprint_class.h"
#include "scenario/result.h"

namespace fennick {

// The scratch file of a classification run.
inline const QString kClassificationScratch = QStringLiteral("temp.xml");

// Converts the blueprint to TempFiles\scratchName, reads it and deletes the scratch file again,
// whether the run succeeded or not, so no classification output is ever left behind.
Result<BlueprintClass> ClassifyBlueprintFile(const Converter& converter, const QString& binPath,
                                             const QString& scratchName = kClassificationScratch);

}  // namespace fennick
