#pragma once

#include <string>
#include <string_view>

#include "scenario/result.h"

namespace fennick {

// A scenario's identifier as its index entry holds it: two decimal numbers in the "e" elements
// of <UUID>, and the GUID text in DevString (also the name of the scenario's folder).
struct EntryIdentifier {
  std::string text;
  std::string firstNumber;
  std::string secondNumber;
};

// Writes a new identifier into an index entry: the two "e" elements inside its <UUID> and the
// DevString behind it. All or nothing: fails, leaving the entry as it was, when the entry has no
// <UUID> element with two "e" elements or no DevString after it.
Status PutEntryIdentifier(std::string& entry, const EntryIdentifier& identifier);

}  // namespace fennick
