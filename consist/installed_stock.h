#pragma once

#include <QSet>
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>

#include "app/dialogs.h"
#include "scenario/vehicle_listing.h"

namespace fennick {

// Which vehicles' blueprints are installed below RSPath\Assets: as a loose .bin, or as an entry
// of a .ap archive (a zip file) in the product's folder or in the provider's. Letter case and the
// separator ("\" or "/") do not matter. Each provider and product folder is read once, the first
// time a vehicle names it, and the answers are kept for the run: a scenario of thousands of
// vehicles costs one walk of the folders it names and no converter runs.
class InstalledStock {
 public:
  explicit InstalledStock(QString rsPath);

  const QString& RsPath() const { return rsPath_; }

  // A damaged or unreadable archive is reported once, through `dialogs`, and holds nothing.
  // The vehicle's texts are document bytes of `document`.
  bool IsInstalled(const VehicleFields& vehicle, std::string_view document, Dialogs& dialogs);

  // The same for texts as shown (UTF-8): the blueprint ID as the scenario stores it (".xml").
  bool IsInstalled(const QString& provider, const QString& product, const QString& blueprintId,
                   Dialogs& dialogs);

  // The loose file the vehicle would be installed as.
  QString ExpectedFile(const VehicleFields& vehicle, std::string_view document) const;

 private:
  void ReadProvider(const QString& provider, Dialogs& dialogs);
  void ReadProduct(const QString& provider, const QString& product, Dialogs& dialogs);
  // Adds the archive's entries as installed files below `keyPrefix`.
  void ReadArchive(const QString& nativePath, const QString& keyPrefix, Dialogs& dialogs);

  QString rsPath_;
  QSet<QString> providersRead_;  // folded provider names
  QSet<QString> productsRead_;   // folded "provider/product"
  QSet<QString> files_;          // folded "provider/product/path.bin", "/"-separated
  std::unordered_map<std::string, bool> answers_;  // by the vehicle's three texts as bytes
};

}  // namespace fennick
