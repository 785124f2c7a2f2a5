#include "bridge/file_utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "bridge/paths.h"

namespace fennick {

namespace {

std::string Utf8(const QString& s) {
  return s.toStdString();
}

// A path as a person finds it on this system.
QString Shown(const QString& path) {
  return QDir::toNativeSeparators(NativePath(path));
}

constexpr std::size_t kReadGrowth = std::size_t{1} << 16;

Error FileError(const QString& what, const QString& path, const QString& reason) {
  return Error{Utf8(what + " " + Shown(path) + " (" + reason + ")")};
}

}  // namespace

bool FileExists(const QString& path) {
  if (path.isEmpty()) return false;
  const QString native = NativePath(path);
  if (!QFileInfo(native).isFile()) return false;
  QFile file(native);
  return file.open(QIODevice::ReadOnly);
}

bool FolderExists(QString& path) {
  if (path.endsWith('\\')) path.chop(1);
  if (path.isEmpty()) return false;
  return QFileInfo(NativePath(path)).isDir();
}

Status ReadTextFile(const QString& path, std::string& text) {
  QFile file(NativePath(path));
  if (!file.exists()) return FileError("Cannot find the file", path, "it does not exist");
  if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
    return FileError("Cannot read the file", path, file.errorString());
  // Straight into the string that keeps it: a document may be tens of megabytes, and a copy
  // through a QByteArray would double what the read touches. One byte beyond the size lets the read
  // that meets the end do so without growing the string.
  std::string bytes(static_cast<std::size_t>(std::max<qint64>(file.size(), 0)) + 1, '\0');
  std::size_t filled = 0;
  while (true) {
    if (filled == bytes.size()) bytes.resize(filled + kReadGrowth);  // the file grew meanwhile
    const qint64 got = file.read(bytes.data() + filled, static_cast<qint64>(bytes.size() - filled));
    if (got < 0) return FileError("Cannot read the file", path, file.errorString());
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  text.swap(bytes);
  return Ok();
}

Status WriteFileAtomically(const QString& path, std::string_view bytes, std::string_view tail) {
  QSaveFile file(NativePath(path));
  if (!file.open(QIODevice::WriteOnly)) {
    return FileError("Cannot write the file", path, file.errorString());
  }
  const auto written = [&file](std::string_view piece) {
    return file.write(piece.data(), static_cast<qint64>(piece.size())) ==
           static_cast<qint64>(piece.size());
  };
  if (!written(bytes) || !written(tail) || !file.commit()) {
    return FileError("Cannot write the file", path, file.errorString());
  }
  return Ok();
}

void DeleteFolderTree(const QString& path) {
  if (path.isEmpty()) return;
  const QString native = NativePath(path);
  if (!QFileInfo(native).isDir()) return;
  // Read-only files go as well: the folder is ours.
  QDir(native).removeRecursively();
}

Status MakeFolder(const QString& path) {
  const QString native = NativePath(path);
  if (QDir().mkpath(native) && QFileInfo(native).isDir()) return Ok();
  return FileError("Cannot create the folder", path, "permission denied or a file is in the way");
}

Status CopyFileReplacing(const QString& from, const QString& to) {
  QFile source(NativePath(from));
  if (!source.open(QIODevice::ReadOnly)) {
    return FileError("Cannot read the file", from, source.errorString());
  }
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) {
    return FileError("Cannot read the file", from, source.errorString());
  }
  return WriteFileAtomically(
      to, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

Status RenameFile(const QString& from, const QString& to) {
  QFile file(NativePath(from));
  if (!file.rename(NativePath(to))) {
    return Error{Utf8("Cannot rename " + Shown(from) + " to " + Shown(to) + " (" +
                      file.errorString() + ")")};
  }
  return Ok();
}

Status DeleteFile(const QString& path) {
  QFile file(NativePath(path));
  if (!file.remove()) return FileError("Cannot delete the file", path, file.errorString());
  return Ok();
}

}  // namespace fennick
