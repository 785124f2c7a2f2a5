#include "browser/display_text.h"

#include <QDir>

#include "bridge/paths.h"
#include "scenario/xml_text.h"

namespace fennick::browser {

QString DisplayText(std::string_view bytes, TextEncoding encoding) {
  return QString::fromStdString(ShowText(bytes, encoding));
}

std::string MessageText(std::string_view bytes, TextEncoding encoding) {
  return ShowText(bytes, encoding);
}

std::string ShownPath(const QString& pathText) {
  return QDir::toNativeSeparators(NativePath(pathText)).toStdString();
}

}  // namespace fennick::browser
