#include "fuzz/consist_fuzz_entry.h"

#include <array>
#include <exception>
#include <string_view>
#include <vector>

#include "consist/consist_command.h"
#include "scenario/consist_locate.h"

namespace fennick::fuzz {
namespace {

constexpr std::size_t kStepBytes = 5;

// Records messages; every question is answered no, so nothing waits.
class CountingDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string&, MessageIcon, const std::string&) override { ++shown; }
  bool AskYesNo(const std::string&, MessageIcon, const std::string&) override {
    return ++shown, false;
  }
  bool AskOkCancel(const std::string&, MessageIcon, const std::string&) override {
    return ++shown, false;
  }
  std::optional<std::string> AskText(const std::string&, const std::string&,
                                     const std::string&) override {
    ++shown;
    return std::nullopt;
  }
  int shown = 0;
};

struct Step {
  ConsistCommand command;
  ConsistSelection selection;
  bool drawFails = false;
  std::size_t drawn = 0;  // which mass and number the draw gives
};

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
}

// A reference in character data: "&name;" or "&#digits;" / "&#xhex;".
bool IsReferenceAt(std::string_view text, std::size_t amp) {
  const std::size_t semicolon = text.find(';', amp);
  if (semicolon == std::string_view::npos || semicolon == amp + 1) return false;
  for (std::size_t i = amp + 1; i < semicolon; ++i) {
    if (!IsNameChar(text[i]) && !(i == amp + 1 && text[i] == '#')) return false;
  }
  return true;
}

// Well-formed as far as the commands can affect it: tags end, elements nest and close by their
// own names, comments, processing instructions and CDATA end, and every "&" starts a reference.
// Written apart from the program's own balance check, so that one cannot vouch for itself.
bool IsWellFormed(std::string_view text) {
  std::vector<std::string_view> stack;
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '&') {
      if (!IsReferenceAt(text, i)) return false;
      ++i;
      continue;
    }
    if (text[i] != '<') {
      ++i;
      continue;
    }
    const std::string_view rest = text.substr(i);
    std::string_view terminator;
    if (rest.starts_with("<!--")) terminator = "-->";
    if (rest.starts_with("<![CDATA[")) terminator = "]]>";
    if (rest.starts_with("<?")) terminator = "?>";
    if (!terminator.empty()) {
      const std::size_t end = text.find(terminator, i + 2);
      if (end == std::string_view::npos) return false;
      i = end + terminator.size();
      continue;
    }
    std::size_t end = i + 1;
    for (char quote = 0; end < text.size(); ++end) {
      if (quote != 0) {
        if (text[end] == quote) quote = 0;
        if (text[end] == '<') return false;
      } else if (text[end] == '"' || text[end] == '\'') {
        quote = text[end];
      } else if (text[end] == '>' || text[end] == '<') {
        break;
      }
    }
    if (end >= text.size() || text[end] != '>') return false;
    std::string_view inside = text.substr(i + 1, end - i - 1);
    if (inside.starts_with('/')) {
      inside.remove_prefix(1);
      while (!inside.empty() && (inside.back() == ' ' || inside.back() == '\t' ||
                                 inside.back() == '\r' || inside.back() == '\n')) {
        inside.remove_suffix(1);
      }
      if (stack.empty() || stack.back() != inside) return false;
      stack.pop_back();
    } else if (!inside.starts_with('!')) {
      std::size_t n = 0;
      while (n < inside.size() && IsNameChar(inside[n])) ++n;
      if (n == 0) return false;
      if (!inside.ends_with('/')) stack.push_back(inside.substr(0, n));
    }
    i = end + 1;
  }
  return stack.empty();
}

StockCatalogue Catalogue(std::uint8_t selector) {
  static constexpr std::array<std::string_view, 4> kKinds = {"", "Freight", "Diesel", "DMU"};
  StockCatalogue catalogue{
      std::string(kKinds[selector % 4]), "RailVehicles", "RailSimulator", "Kuju", false, false, {}};
  const bool productFolder = (selector & 4) != 0;
  const std::string head = productFolder ? "RailSimulator\\RailVehicles\\" : "RailVehicles\\";
  if (productFolder) {
    catalogue.productFolderChosen = true;
    catalogue.leaf = "RailSimulator";
  }
  catalogue.entries = {{"VEA Covered Van", head + "Freight\\Van\\VanVEA.xml"},
                       {"Tom & Jerry's <Special>", head + "Diesel\\Class66\\Class66.xml"}};
  return catalogue;
}

Step ReadStep(const std::uint8_t* bytes) {
  Step step;
  step.command = static_cast<ConsistCommand>(bytes[0] % 8);
  step.selection.consist = bytes[1] % 5;
  if (bytes[2] < 0xF0) step.selection.currentVehicle = bytes[2] % 6;
  for (std::size_t row = 0; row < 8; ++row) {
    if ((bytes[3] >> row) & 1) step.selection.selectedVehicles.push_back(row % 6);
  }
  const std::uint8_t stock = bytes[4];
  if ((stock & 3) != 3) step.selection.stockRow = stock & 3;  // row 2 lies beyond the list
  step.drawFails = (stock & 4) != 0;
  step.drawn = stock >> 3;
  return step;
}

std::string CheckStep(const Step& step, std::string& text, const StockCatalogue& catalogue) {
  static const std::array<MassAndNumber, 4> kDraws = {
      MassAndNumber{"24", "57002"}, MassAndNumber{"13.5", ""}, MassAndNumber{"85", "12.5"},
      MassAndNumber{"", "99999999999999999"}};
  const MassAndNumberDraw draw = [&step](std::size_t) -> Result<MassAndNumber> {
    if (step.drawFails) return Error{"the converter failed"};
    return kDraws[step.drawn % kDraws.size()];
  };
  const std::string before = text;
  const std::optional<TextRange> consist = LocateConsist(before, step.selection.consist);
  CountingDialogs dialogs;
  ConsistOutcome outcome;
  try {
    outcome = RunConsistCommand(step.command, text, step.selection, catalogue, draw, dialogs);
  } catch (const std::exception& e) {
    return std::string("a consist command threw: ") + e.what();
  } catch (...) {
    return "a consist command threw";
  }
  if (text == before) return {};
  if (!outcome.consistsChanged) return "the document changed but the command reports no change";
  if (IsWellFormed(before) && !IsWellFormed(text)) return "a well-formed document broke";
  if (step.command == ConsistCommand::kDriveIt) return {};
  if (!consist) return "the document changed though the consist cannot be found";
  const std::size_t head = IndexOf(consist->first);
  const std::size_t tail = before.size() - IndexOf(consist->end());
  if (text.size() < head + tail || text.compare(0, head, before, 0, head) != 0 ||
      text.compare(text.size() - tail, tail, before, before.size() - tail, tail) != 0) {
    return "a command changed the document outside its consist";
  }
  return {};
}

}  // namespace

std::string RunConsistFuzzInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return {};
  const std::size_t steps = 1 + data[0] % 4;
  const std::size_t docStart = 1 + steps * kStepBytes + 1;
  if (size < docStart) return {};
  const StockCatalogue catalogue = Catalogue(data[docStart - 1]);
  std::string text(reinterpret_cast<const char*>(data) + docStart, size - docStart);
  for (std::size_t s = 0; s < steps; ++s) {
    const std::string failure = CheckStep(ReadStep(data + 1 + s * kStepBytes), text, catalogue);
    if (!failure.empty()) return failure;
  }
  return {};
}

}  // namespace fennick::fuzz
