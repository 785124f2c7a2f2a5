#include "app/version.h"

namespace fennick {

QString CaptionWithVersion(const QString& windowCaption, const QString& rsPath) {
  return windowCaption + "  Version " + QString::number(kVersionMajor) + "." +
         QString::number(kVersionMinor) + "." + QString::number(kVersionRevision) + "   " +
         "Rail Simulator path in use is - " + rsPath;
}

}  // namespace fennick
