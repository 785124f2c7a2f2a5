#include "consist/stock_walk.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "bridge/paths.h"
#include "consist/blueprint_path.h"

namespace fennick {

namespace {

// Name order that does not depend on the file system: letter case ignored, then exact.
void SortByName(QFileInfoList& entries) {
  std::sort(entries.begin(), entries.end(), [](const QFileInfo& a, const QFileInfo& b) {
    const int folded = a.fileName().compare(b.fileName(), Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a.fileName() < b.fileName();
  });
}

class Walker {
 public:
  Walker(const StockFolder& folder, std::string_view kind, bool anyFolderAccepted)
      : kind_(kind), anyFolder_(anyFolderAccepted) {
    // The provider's component onwards; for a product folder that starts one level higher.
    const QString providerFolder = QString::fromStdString(folder.provider);
    const QString productFolder = QString::fromStdString(folder.product);
    const QString leaf = QString::fromStdString(folder.leaf);
    filterHead_ = "\\" + providerFolder + "\\" + productFolder;
    if (!folder.productFolderChosen) filterHead_ += "\\" + leaf;
    idHead_ = leaf;
  }

  void Walk(const QString& nativeFolder, const QString& relative) {
    QDir dir(nativeFolder);
    if (!dir.isReadable()) {
      result_.errors.push_back(
          "the folder " + QDir::toNativeSeparators(nativeFolder).toStdString() + " cannot be read");
      return;
    }
    QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::System);
    SortByName(files);
    for (const QFileInfo& file : files) {
      const QString below = relative + "\\" + file.fileName();
      const std::string filterPath = (filterHead_ + below).toStdString();
      const KindTest test = StockKindTest(filterPath, kind_, anyFolder_);
      if (test == KindTest::kSkip) continue;
      result_.candidates.push_back(
          {file.filePath(), WithXmlEnding(idHead_ + below).toStdString(), test});
    }
    QFileInfoList folders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    SortByName(folders);
    for (const QFileInfo& sub : folders) Walk(sub.filePath(), relative + "\\" + sub.fileName());
  }

  StockWalk Take() { return std::move(result_); }

 private:
  std::string_view kind_;
  bool anyFolder_;
  QString filterHead_;
  QString idHead_;
  StockWalk result_;
};

}  // namespace

StockWalk WalkStockFolder(const StockFolder& folder, std::string_view kind,
                          bool anyFolderAccepted) {
  Walker walker(folder, kind, anyFolderAccepted);
  walker.Walk(NativePath(folder.path), QString());
  return walker.Take();
}

}  // namespace fennick
