#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace fennick {

// The twelve properties of a scenario as every part of the program knows them: the editor's box
// and its caption, the index entry's element, the command line's option and the key of `show`.
// Indexed like PropertyBox and EntryProperty, in the order they stand in the entry.
struct PropertyInfo {
  std::string_view caption;  // the label beside the box, Label1(i)
  std::string_view name;     // how messages and undo steps name it
  std::string_view element;  // the index entry's element
  std::string_view option;   // rs_fennick_cli's option for save and clone
  std::string_view valueName;
  std::string_view jsonKey;  // key in the `show` document
  std::string_view help;     // what the option sets, for the command line's help
};

inline constexpr std::size_t kPropertyCount = 12;

inline constexpr std::array<PropertyInfo, kPropertyCount> kProperties = {{
    {"Display Name:", "Display Name", "DisplayName", "--display-name", "TEXT", "displayName",
     "the scenario's name as the simulator lists it"},
    {"Description", "Description", "Description", "--description", "TEXT", "description",
     "the description shown when the scenario is chosen"},
    {"Briefing", "Briefing", "Briefing", "--briefing", "TEXT", "briefing",
     "the briefing shown before the scenario starts"},
    {"Start Time (24 hour)", "Start Time", "StartTime", "--start-time", "HHMM", "startTime",
     "the start time, 24 hour, as hhmm (0530)"},
    {"Duration (mins)", "Duration", "DurationMins", "--duration", "MINUTES", "durationMins",
     "the scenario's duration in minutes"},
    {"Start Day", "Start Day", "StartDD", "--day", "DAY", "startDay", "the day of the month"},
    {"Start Month", "Start Month", "StartMM", "--month", "MONTH", "startMonth",
     "the month, 1 to 12"},
    {"Start Year", "Start Year", "StartYYYY", "--year", "YEAR", "startYear", "the year"},
    {"Season", "Season", "Season", "--season", "SEASON", "season",
     "SEASON_SPRING, SEASON_SUMMER, SEASON_AUTUMN or SEASON_WINTER"},
    {"Weather Provider", "Weather Provider", "Provider", "--weather-provider", "TEXT",
     "weatherProvider", "the weather blueprint's provider folder"},
    {"Weather Product", "Weather Product", "Product", "--weather-product", "TEXT", "weatherProduct",
     "the weather blueprint's product folder"},
    {"Weather Blueprint", "Weather Blueprint", "BlueprintID", "--weather-blueprint", "PATH",
     "weatherBlueprint", "the weather blueprint below the product folder (Weather\\Clear.xml)"},
}};

}  // namespace fennick
