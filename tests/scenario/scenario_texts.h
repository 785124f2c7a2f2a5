#pragma once

#include <string>

#include "scenario/position.h"

namespace fennick::test {

// 1-based position of the first `marker` in `text` (plain, case-sensitive); 0 for an empty or
// absent marker. Expectations name positions by the text standing there.
inline Pos At(const std::string& text, const std::string& marker) {
  const std::size_t index = marker.empty() ? std::string::npos : text.find(marker);
  return index == std::string::npos ? kNotFound : index + 1;
}

// A localised block as the converter writes it: the five languages with attributes, then a key.
inline std::string Block(const std::string& tag, const std::string& en, const std::string& fr = "",
                         const std::string& it = "", const std::string& de = "",
                         const std::string& es = "") {
  return "<" + tag + "><Localisation-cUserLocalisedString>\n<English d:type=\"cDeltaString\">" +
         en + "</English><French d:type=\"cDeltaString\">" + fr +
         "</French>\n<Italian d:type=\"cDeltaString\">" + it +
         "</Italian><German d:type=\"cDeltaString\">" + de +
         "</German>\n<Spanish d:type=\"cDeltaString\">" + es +
         "</Spanish><Key d:type=\"cDeltaString\">7c1b</Key>\n"
         "</Localisation-cUserLocalisedString></" +
         tag + ">\n";
}

}  // namespace fennick::test
