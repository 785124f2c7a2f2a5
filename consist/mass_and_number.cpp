#include "consist/mass_and_number.h"

#include "scenario/xml_text.h"

#include <QDir>

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "consist/number_list.h"
#include "scenario/tag_scan.h"
#include "scenario/text_codec.h"
#include "scenario/text_search.h"

namespace fennick {

namespace {

bool HasText(TagStatus status) {
  return status == TagStatus::kFound || status == TagStatus::kEmptyForm;
}

Error Lacks(const QString& binPath, const std::string& element) {
  return Error{"The blueprint " + QDir::toNativeSeparators(NativePath(binPath)).toStdString() +
               " has no " + element + " element"};
}

}  // namespace

Result<MassAndNumber> GetMassAndNumber(const Converter& converter, const QString& rsPath,
                                       const QString& binPath, const QString& xmlName,
                                       UniformSource& random) {
  const Result<std::string> converted = converter.BinToXml(binPath, xmlName);
  if (!converted) return Error{converted.error()};
  const std::string& xml = *converted;

  Pos pos = FindNoCase(xml, "<RailVehicleComponent", 1);
  if (pos == kNotFound) return Lacks(binPath, "RailVehicleComponent");
  std::string csv;
  if (!HasText(GetDetail(xml, pos, "CsvFile", csv))) return Lacks(binPath, "CsvFile");
  MassAndNumber found;
  if (!HasText(GetDetail(xml, pos, "Mass", found.mass))) return Lacks(binPath, "Mass");

  const QString listPath = rsPath + "\\Assets\\" +
                           QString::fromStdString(ShowText(csv, DocumentEncoding(xml))) + ".dcsv";
  if (!FileExists(listPath)) return found;
  std::string listBytes;
  if (auto read = ReadTextFile(listPath, listBytes); !read) return Error{read.error()};
  found.number = PickRunningNumber(JoinNumberListLines(listBytes), random.Next());
  return found;
}

}  // namespace fennick
