#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace fennick::cli {

// One option of `save` and `clone`, in the order given on the command line.
struct EditOption {
  QString name;   // "--display-name", "--swap", ...
  QString value;  // its argument; empty for flags
};

// The options after ROUTE SCENARIO. Each is checked against what the command accepts; an
// unknown option or one missing its value is a usage error (the text says which).
struct ParsedEdits {
  std::vector<EditOption> options;
  std::string error;  // empty when the options are fine
};
ParsedEdits ParseEditOptions(const QStringList& arguments, bool consistOperationsAllowed);

// An option as the parser takes it and the help shows it.
struct EditOptionHelp {
  QString name;   // "--display-name"
  QString value;  // "TEXT"; empty for a flag
  bool consistOperation = false;
  QString help;
};
// The options of save (with the consist operations) or of clone, in the order help lists them.
std::vector<EditOptionHelp> EditOptions(bool consistOperations);

// The property box an edit option replaces, or nothing for the other options.
std::optional<std::size_t> BoxOfOption(const QString& name);

// C:N[,N...] (consist row, vehicle rows), C:N=I, C[:N]. Rows are 0-based.
struct ConsistTarget {
  int consist = -1;
  std::vector<int> vehicles;
  int stockRow = -1;
};
std::optional<ConsistTarget> ParseConsistTarget(const QString& text, bool stockRowExpected,
                                                bool vehiclesOptional);

}  // namespace fennick::cli
