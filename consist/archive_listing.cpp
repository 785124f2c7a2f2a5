#include "consist/archive_listing.h"

#include <zip.h>
#include <QFile>
#include <memory>

namespace fennick {

namespace {

struct ArchiveCloser {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};

std::string OpenError(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  std::string text = zip_error_strerror(&error);
  zip_error_fini(&error);
  return text;
}

}  // namespace

Result<QStringList> ListArchive(const QString& nativePath) {
#ifdef _WIN32
  // libzip takes UTF-8 file names on Windows.
  const QByteArray name = nativePath.toUtf8();
#else
  const QByteArray name = QFile::encodeName(nativePath);
#endif
  int code = 0;
  // The consistency check catches a cut-short or altered central directory at open.
  std::unique_ptr<zip_t, ArchiveCloser> archive(
      zip_open(name.constData(), ZIP_RDONLY | ZIP_CHECKCONS, &code));
  if (!archive) return Error{OpenError(code)};
  const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
  if (count < 0) return Error{zip_strerror(archive.get())};
  QStringList entries;
  entries.reserve(qsizetype(count));
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* entry = zip_get_name(archive.get(), zip_uint64_t(i), ZIP_FL_ENC_GUESS);
    if (!entry) return Error{zip_strerror(archive.get())};
    entries.push_back(QString::fromUtf8(entry));
  }
  return entries;
}

}  // namespace fennick
