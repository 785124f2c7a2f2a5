#pragma once

#include <QString>
#include <QStringList>

namespace fennick {

// The converter's one command-line form, for both directions:
//   serz.exe "in" xml:"out"
QString SerzCommand(const QString& inputPath, const QString& outputPath);

// The same two paths as separate arguments, for systems where no command line is parsed.
QStringList SerzArguments(const QString& inputPath, const QString& outputPath);

}  // namespace fennick
