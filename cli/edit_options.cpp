#include "cli/edit_options.h"

#include <array>

#include "scenario/editor_session.h"

namespace fennick::cli {

namespace {

struct OptionRule {
  const char* name;
  const char* value;  // what follows the option; empty for a flag
  bool consistOperation;
  const char* help;
};

// Besides the twelve property boxes, whose options come from the property table.
constexpr std::array<OptionRule, 11> kOtherOptions = {{
    {"--type", "standard|timetable", false,
     "the scenario type (save only; choosing timetable asks first)"},
    {"--all-consists", "", false,
     "tick \"Change for all consists\": every consist's start time moves with the scenario's"},
    {"--stock", "FOLDER[:KIND]", true,
     "gather the available stock of FOLDER (needed before a swap); KIND as for `stock`"},
    {"--swap", "C:N[,N...]=I", true,
     "Swap Selected Item(s): vehicle rows N of consist C become available-stock row I"},
    {"--swap-all", "C:N=I", true,
     "Swap All Identical Stock: every vehicle of consist C named like row N becomes stock row I"},
    {"--duplicate", "C:N", true, "Duplicate Item: a copy of vehicle N right behind it"},
    {"--duplicate-rear", "C:N", true,
     "Duplicate at Rear: a copy of vehicle N at the other end of consist C"},
    {"--delete", "C:N", true, "Delete Item: removes vehicle N of consist C"},
    {"--drive", "C[:N]", true,
     "Drive It: the player drives consist C (vehicle row N, 0 if not given)"},
    {"--load", "C:N[,N...]", true, "Load Selected Wagon(s): vehicles N of consist C start loaded"},
    {"--unload", "C:N[,N...]", true,
     "Unload Selected Wagon(s): vehicles N of consist C start empty"},
}};

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Every option of save (consist operations included) in the order the help lists them.
std::vector<EditOptionHelp> AllOptions() {
  std::vector<EditOptionHelp> all;
  for (const PropertyInfo& property : kProperties) {
    all.push_back(
        {FromView(property.option), FromView(property.valueName), false, FromView(property.help)});
  }
  for (const OptionRule& rule : kOtherOptions) {
    all.push_back({rule.name, rule.value, rule.consistOperation, rule.help});
  }
  return all;
}

std::optional<EditOptionHelp> RuleOf(const QString& name) {
  for (const EditOptionHelp& rule : AllOptions()) {
    if (name == rule.name) return rule;
  }
  return std::nullopt;
}

std::optional<int> Row(const QString& text) {
  bool ok = false;
  const int row = text.toInt(&ok);
  if (!ok || row < 0) return std::nullopt;
  return row;
}

}  // namespace

ParsedEdits ParseEditOptions(const QStringList& arguments, bool consistOperationsAllowed) {
  ParsedEdits parsed;
  for (int i = 0; i < arguments.size(); ++i) {
    const std::optional<EditOptionHelp> rule = RuleOf(arguments[i]);
    if (!rule || (rule->consistOperation && !consistOperationsAllowed)) {
      parsed.error = "unknown option " + arguments[i].toStdString();
      return parsed;
    }
    EditOption option{arguments[i], {}};
    if (!rule->value.isEmpty()) {
      if (i + 1 >= arguments.size()) {
        parsed.error = arguments[i].toStdString() + " needs a value";
        return parsed;
      }
      option.value = arguments[++i];
    }
    if (option.name == "--type" && option.value != "standard" && option.value != "timetable") {
      parsed.error = "--type is standard or timetable";
      return parsed;
    }
    if (rule->consistOperation && option.name != "--stock" &&
        !ParseConsistTarget(option.value, option.name.startsWith("--swap"),
                            option.name == "--drive")) {
      parsed.error = "cannot read " + option.name.toStdString() + " " + option.value.toStdString();
      return parsed;
    }
    parsed.options.push_back(option);
  }
  return parsed;
}

std::optional<std::size_t> BoxOfOption(const QString& name) {
  for (std::size_t i = 0; i < kPropertyBoxCount; ++i) {
    if (name == FromView(kProperties[i].option)) return i;
  }
  return std::nullopt;
}

std::vector<EditOptionHelp> EditOptions(bool consistOperations) {
  std::vector<EditOptionHelp> options;
  for (const EditOptionHelp& option : AllOptions()) {
    if (!option.consistOperation || consistOperations) options.push_back(option);
  }
  return options;
}

std::optional<ConsistTarget> ParseConsistTarget(const QString& text, bool stockRowExpected,
                                                bool vehiclesOptional) {
  ConsistTarget target;
  QString rest = text;
  if (stockRowExpected) {
    const int equals = rest.lastIndexOf('=');
    if (equals < 0) return std::nullopt;
    const auto stock = Row(rest.mid(equals + 1));
    if (!stock) return std::nullopt;
    target.stockRow = *stock;
    rest = rest.left(equals);
  }
  const int colon = rest.indexOf(':');
  const auto consist = Row(colon < 0 ? rest : rest.left(colon));
  if (!consist) return std::nullopt;
  target.consist = *consist;
  if (colon < 0) {
    if (!vehiclesOptional) return std::nullopt;
    return target;
  }
  for (const QString& part : rest.mid(colon + 1).split(',')) {
    const auto vehicle = Row(part);
    if (!vehicle) return std::nullopt;
    target.vehicles.push_back(*vehicle);
  }
  return target;
}

}  // namespace fennick::cli
