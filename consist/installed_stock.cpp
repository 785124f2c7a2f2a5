#include "consist/installed_stock.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "bridge/paths.h"
#include "consist/archive_listing.h"
#include "consist/blueprint_path.h"
#include "scenario/editor_load.h"

namespace fennick {

namespace {

const QString kAssets = QStringLiteral("Assets");

// One spelling for every path that names the same file: "/" between folders, case folded.
QString FileKey(QString path) {
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return path.toCaseFolded();
}

bool IsArchive(const QString& fileName) {
  return fileName.endsWith(QLatin1String(".ap"), Qt::CaseInsensitive);
}

QString Shown(const std::string& bytes, std::string_view document) {
  return QString::fromStdString(ShownText(bytes, document));
}

// The archives lying directly in a folder.
QStringList ArchivesIn(const QString& nativeFolder) {
  QStringList archives;
  for (const QFileInfo& file : QDir(nativeFolder).entryInfoList(QDir::Files | QDir::Hidden)) {
    if (IsArchive(file.fileName())) archives.push_back(file.filePath());
  }
  return archives;
}

}  // namespace

InstalledStock::InstalledStock(QString rsPath) : rsPath_(std::move(rsPath)) {}

bool InstalledStock::IsInstalled(const VehicleFields& vehicle, std::string_view document,
                                 Dialogs& dialogs) {
  std::string key = vehicle.provider;
  key += '\0';
  key += vehicle.product;
  key += '\0';
  key += vehicle.blueprint;
  if (const auto known = answers_.find(key); known != answers_.end()) return known->second;
  const bool installed =
      IsInstalled(Shown(vehicle.provider, document), Shown(vehicle.product, document),
                  Shown(vehicle.blueprint, document), dialogs);
  answers_.emplace(std::move(key), installed);
  return installed;
}

bool InstalledStock::IsInstalled(const QString& provider, const QString& product,
                                 const QString& blueprintId, Dialogs& dialogs) {
  ReadProvider(provider, dialogs);
  ReadProduct(provider, product, dialogs);
  return files_.contains(FileKey(provider + '/' + product + '/' + WithBinEnding(blueprintId)));
}

QString InstalledStock::ExpectedFile(const VehicleFields& vehicle,
                                     std::string_view document) const {
  return BlueprintFilePath(rsPath_, Shown(vehicle.provider, document),
                           Shown(vehicle.product, document), Shown(vehicle.blueprint, document));
}

void InstalledStock::ReadProvider(const QString& provider, Dialogs& dialogs) {
  const QString key = FileKey(provider);
  if (providersRead_.contains(key)) return;
  providersRead_.insert(key);
  const QString folder = NativePath(JoinPath(JoinPath(rsPath_, kAssets), provider));
  for (const QString& archive : ArchivesIn(folder)) ReadArchive(archive, key + '/', dialogs);
}

void InstalledStock::ReadProduct(const QString& provider, const QString& product,
                                 Dialogs& dialogs) {
  const QString prefix = FileKey(provider + '/' + product) + '/';
  if (productsRead_.contains(prefix)) return;
  productsRead_.insert(prefix);
  const QString folder =
      QDir(NativePath(JoinPath(JoinPath(JoinPath(rsPath_, kAssets), provider), product)))
          .absolutePath();
  if (!QFileInfo(folder).isDir()) return;
  const qsizetype below = folder.size() + 1;
  QDirIterator walk(folder, {QStringLiteral("*.bin")}, QDir::Files | QDir::Hidden,
                    QDirIterator::Subdirectories);
  while (walk.hasNext()) files_.insert(prefix + FileKey(walk.next().mid(below)));
  for (const QString& archive : ArchivesIn(folder)) ReadArchive(archive, prefix, dialogs);
}

void InstalledStock::ReadArchive(const QString& nativePath, const QString& keyPrefix,
                                 Dialogs& dialogs) {
  const Result<QStringList> entries = ListArchive(nativePath);
  if (!entries) {
    dialogs.ShowMessage("The archive " + QDir::toNativeSeparators(nativePath).toStdString() +
                        " cannot be read (" + entries.error() +
                        "). The rolling stock it holds counts as not installed.");
    return;
  }
  for (const QString& entry : *entries) files_.insert(keyPrefix + FileKey(entry));
}

}  // namespace fennick
