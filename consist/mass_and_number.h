#pragma once

#include <QString>
#include <string>

#include "bridge/converter.h"
#include "consist/uniform_source.h"
#include "scenario/result.h"

namespace fennick {

// What a vehicle of a blueprint gets when it is put into a consist. Both are bytes as the
// blueprint and its number list hold them, written into the scenario unchanged.
struct MassAndNumber {
  std::string mass;    // the blueprint's "Mass" text
  std::string number;  // a running number from its number list; empty when there is none
};

// Converts the blueprint to TempFiles\xmlName (the file is left there), reads "CsvFile" and then
// "Mass" behind the first "<RailVehicleComponent", and draws a number from the list
// RSPath\Assets\<CsvFile>.dcsv. A missing list, or one without "<Name", gives an empty number.
// A failed conversion, or a blueprint lacking one of the three elements, is an error naming it.
Result<MassAndNumber> GetMassAndNumber(const Converter& converter, const QString& rsPath,
                                       const QString& binPath, const QString& xmlName,
                                       UniformSource& random);

}  // namespace fennick
