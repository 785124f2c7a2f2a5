#include "browser/plain_names.h"

namespace fennick::browser {

bool IsPlainFolderName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '/' || c == ':' || byte < 0x20) return false;
  }
  return true;
}

bool IsPlainFileName(const QString& name) {
  if (name.contains(QStringLiteral(".."))) return false;
  return IsPlainFolderName(name.toStdString());
}

}  // namespace fennick::browser
