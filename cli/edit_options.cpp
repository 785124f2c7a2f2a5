#include "cli/edit_options.h"

#include <array>

#include "scenario/editor_session.h"

namespace fennick::cli {

namespace {

struct OptionRule {
  const char* name;
  bool takesValue;
  bool consistOperation;
};

constexpr std::array<OptionRule, 23> kOptions = {{
    {"--display-name", true, false},
    {"--description", true, false},
    {"--briefing", true, false},
    {"--start-time", true, false},
    {"--duration", true, false},
    {"--day", true, false},
    {"--month", true, false},
    {"--year", true, false},
    {"--season", true, false},
    {"--weather-provider", true, false},
    {"--weather-product", true, false},
    {"--weather-blueprint", true, false},
    {"--type", true, false},
    {"--all-consists", false, false},
    {"--stock", true, true},
    {"--swap", true, true},
    {"--swap-all", true, true},
    {"--duplicate", true, true},
    {"--duplicate-rear", true, true},
    {"--delete", true, true},
    {"--drive", true, true},
    {"--load", true, true},
    {"--unload", true, true},
}};

const OptionRule* RuleOf(const QString& name) {
  for (const OptionRule& rule : kOptions) {
    if (name == rule.name) return &rule;
  }
  return nullptr;
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
    const OptionRule* rule = RuleOf(arguments[i]);
    if (!rule || (rule->consistOperation && !consistOperationsAllowed)) {
      parsed.error = "unknown option " + arguments[i].toStdString();
      return parsed;
    }
    EditOption option{arguments[i], {}};
    if (rule->takesValue) {
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
    if (name ==
        QLatin1StringView(kProperties[i].option.data(), qsizetype(kProperties[i].option.size())))
      return i;
  }
  return std::nullopt;
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
