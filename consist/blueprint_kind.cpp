#include "consist/blueprint_kind.h"

#include <QDir>
#include <QFile>

#include "bridge/paths.h"

namespace fennick {

namespace {

using KindFlag = bool BlueprintClass::*;

Status IsItOfKind(const Converter& converter, const QString& strBin, KindFlag kind, bool& booEngine,
                  std::string& strName) {
  booEngine = false;
  const Result<BlueprintClass> found = ClassifyBlueprintFile(converter, strBin);
  if (!found) return Error{found.error()};
  if (!((*found).*kind)) return Ok();
  if (!found->name) {
    return Error{"the blueprint " + QDir::toNativeSeparators(NativePath(strBin)).toStdString() +
                 " has no Name element"};
  }
  booEngine = true;
  strName = *found->name;
  return Ok();
}

}  // namespace

Result<BlueprintClass> ClassifyBlueprintFile(const Converter& converter, const QString& binPath,
                                             const QString& scratchName) {
  const Result<std::string> xml = converter.BinToXml(binPath, scratchName);
  QFile::remove(NativePath(converter.ScratchPath(scratchName)));
  if (!xml) return Error{xml.error()};
  return ClassifyBlueprintText(*xml);
}

Status IsItALoco(const Converter& converter, const QString& strBin, bool& booEngine,
                 std::string& strName) {
  return IsItOfKind(converter, strBin, &BlueprintClass::engine, booEngine, strName);
}

Status IsItAWagon(const Converter& converter, const QString& strBin, bool& booEngine,
                  std::string& strName) {
  return IsItOfKind(converter, strBin, &BlueprintClass::wagon, booEngine, strName);
}

Status IsItATender(const Converter& converter, const QString& strBin, bool& booEngine,
                   std::string& strName) {
  return IsItOfKind(converter, strBin, &BlueprintClass::tender, booEngine, strName);
}

}  // namespace fennick
