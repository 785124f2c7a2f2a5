#include "consist/blueprint_kind.h"

#include <QDir>
#include <QFile>

#include "bridge/paths.h"

namespace fennick {

Result<BlueprintClass> ClassifyBlueprintFile(const Converter& converter, const QString& binPath,
                                             const QString& scratchName) {
  const Result<std::string> xml = converter.BinToXml(binPath, scratchName);
  QFile::remove(NativePath(converter.ScratchPath(scratchName)));
  if (!xml) return Error{xml.error()};
  return ClassifyBlueprintText(*xml);
}

}  // namespace fennick
