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

// Whether the blueprint at strBin is an engine, a wagon or a tender. booEngine is always
// written; strName only when booEngine becomes true, and is otherwise left as it was. A failed
// conversion, or a blueprint of the kind without a name, is an error; booEngine is then false.
Status IsItALoco(const Converter& converter, const QString& strBin, bool& booEngine,
                 std::string& strName);
Status IsItAWagon(const Converter& converter, const QString& strBin, bool& booEngine,
                  std::string& strName);
Status IsItATender(const Converter& converter, const QString& strBin, bool& booEngine,
                   std::string& strName);

}  // namespace fennick
