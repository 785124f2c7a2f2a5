#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "scenario/text_codec.h"

namespace fennick::browser {

// Document bytes as a person reads them.
QString DisplayText(std::string_view bytes, TextEncoding encoding);

// The same, as UTF-8 for a message.
std::string MessageText(std::string_view bytes, TextEncoding encoding);

// A path text ("\"-joined) as the file system names it, for a message.
std::string ShownPath(const QString& pathText);

}  // namespace fennick::browser
