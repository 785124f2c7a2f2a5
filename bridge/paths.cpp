#include "bridge/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace fennick {

QString JoinPath(const QString& base, const QString& relative) {
  QString head = base;
  while (head.endsWith('\\') || head.endsWith('/')) head.chop(1);
  QString tail = relative;
  while (tail.startsWith('\\') || tail.startsWith('/')) tail.remove(0, 1);
  if (head.isEmpty()) return "\\" + tail;
  return head + "\\" + tail;
}

QString LastPathElement(const QString& path) {
  const auto cut = std::max(path.lastIndexOf('\\'), path.lastIndexOf('/'));
  return path.mid(cut + 1);
}

#ifdef Q_OS_WIN
QString NativePath(const QString& pathText) {
  return QDir::toNativeSeparators(pathText);
}
#else
namespace {

// The entry of `folder` whose name equals `name` without regard to case, or `name` itself.
QString MatchEntry(const QString& folder, const QString& name) {
  if (QFileInfo::exists(folder + '/' + name)) return name;
  const QStringList entries =
      QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
  }
  return name;
}

}  // namespace

QString NativePath(const QString& pathText) {
  QString text = pathText;
  text.replace('\\', '/');
  if (text.isEmpty()) return text;
  const bool absolute = text.startsWith('/');
  const QStringList parts = text.split('/', Qt::SkipEmptyParts);
  QString resolved = absolute ? QStringLiteral("") : QStringLiteral(".");
  QString result = absolute ? QStringLiteral("") : QString();
  bool exists = true;
  for (const QString& part : parts) {
    QString name = part;
    if (exists && part != "." && part != "..") {
      name = MatchEntry(resolved.isEmpty() ? QStringLiteral("/") : resolved, part);
      exists = QFileInfo::exists((resolved.isEmpty() ? QString() : resolved) + '/' + name);
    }
    resolved += '/' + name;
    result = result.isNull() ? name : result + '/' + name;
  }
  if (absolute) return result.isEmpty() ? QStringLiteral("/") : result;
  return result;
}
#endif

}  // namespace fennick
