#pragma once

#include <QString>
#include <string>

#include "scenario/result.h"

namespace fennick {

// Replaces fileName in this run's scratch folder below ProgramFolder\TempFiles with `text`
// followed by one CR LF, without a byte-order mark: the form the converter reads back. Written
// through a temporary file, so a failed write leaves no half-written scratch file to be
// converted. The folder is made when missing.
Status WriteScratchXml(const QString& programFolder, const QString& fileName,
                       const std::string& text);

}  // namespace fennick
