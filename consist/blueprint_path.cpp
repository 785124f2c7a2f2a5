#include "consist/blueprint_path.h"

namespace fennick {

namespace {

QString WithEnding(const QString& pathText, const QString& ending) {
  return pathText.left(std::max<qsizetype>(0, pathText.size() - 3)) + ending;
}

}  // namespace

QString WithBinEnding(const QString& pathText) {
  return WithEnding(pathText, QStringLiteral("bin"));
}

QString WithXmlEnding(const QString& pathText) {
  return WithEnding(pathText, QStringLiteral("xml"));
}

QString BlueprintFilePath(const QString& rsPath, const QString& provider, const QString& product,
                          const QString& blueprintId) {
  return WithBinEnding(rsPath + "\\Assets\\" + provider + "\\" + product + "\\" + blueprintId);
}

}  // namespace fennick
