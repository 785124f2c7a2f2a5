#include "bridge/serz_command.h"

namespace fennick {

QString SerzCommand(const QString& inputPath, const QString& outputPath) {
  const QChar q('"');
  return QStringLiteral("serz.exe ") + q + inputPath + q + " xml:" + q + outputPath + q;
}

QStringList SerzArguments(const QString& inputPath, const QString& outputPath) {
  return {inputPath, "xml:" + outputPath};
}

}  // namespace fennick
