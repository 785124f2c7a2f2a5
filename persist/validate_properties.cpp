#include "persist/validate_properties.h"

#include <optional>

#include "bridge/file_utils.h"
#include "persist/save_messages.h"
#include "scenario/number_text.h"

namespace fennick {
namespace {

bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::size_t CharacterCount(const std::string& utf8) {
  std::size_t count = 0;
  for (char c : utf8) count += StartsCharacter(c) ? 1 : 0;
  return count;
}

// The text without its last `count` characters; nothing when it has fewer.
std::optional<std::string> WithoutLastCharacters(const std::string& utf8, std::size_t count) {
  std::size_t end = utf8.size();
  for (std::size_t cut = 0; cut < count; ++cut) {
    if (end == 0) return std::nullopt;
    --end;
    while (end > 0 && !StartsCharacter(utf8[end])) --end;
  }
  return utf8.substr(0, end);
}

bool WithinRange(const std::string& text, double lowest, double highest) {
  const double value = ReadNumber(text);
  return value >= lowest && value <= highest;
}

bool Refuse(Dialogs& dialogs, const char* message) {
  dialogs.ShowMessage(message, MessageIcon::Exclamation);
  return false;
}

}  // namespace

QString WeatherBlueprintBinPath(const PropertyBoxes& boxes, const QString& rsPath) {
  const std::optional<std::string> stem = WithoutLastCharacters(boxes[kBoxWeatherBlueprint], 3);
  if (!stem) return {};
  return rsPath + "\\Assets\\" + QString::fromStdString(boxes[kBoxWeatherProvider]) + "\\" +
         QString::fromStdString(boxes[kBoxWeatherProduct]) + "\\" + QString::fromStdString(*stem) +
         "bin";
}

bool ValidateProperties(const PropertyBoxes& boxes, const std::string& drivenCaption,
                        const QString& rsPath, Dialogs& dialogs) {
  const std::string& startTime = boxes[kBoxStartTime];
  if (CharacterCount(startTime) != 4 || ReadNumber(startTime) > 2400) {
    return Refuse(dialogs, kTimeFormatMessage);
  }
  if (!WithinRange(boxes[kBoxStartDay], 1, 31)) return Refuse(dialogs, kStartDayMessage);
  if (!WithinRange(boxes[kBoxStartMonth], 1, 12)) return Refuse(dialogs, kStartMonthMessage);

  const QString weather = WeatherBlueprintBinPath(boxes, rsPath);
  if (weather.isEmpty() || !FileExists(weather)) return Refuse(dialogs, kWeatherMissingMessage);

  if (drivenCaption.empty()) return dialogs.AskYesNo(kNoDriverQuestion, MessageIcon::Exclamation);
  return true;
}

}  // namespace fennick
