#pragma once

#include <QString>
#include <string_view>

namespace fennick::browser {

// A folder name read from a document is used as one path element below a known folder. A name
// that could lead anywhere else (a separator, a drive colon, "." or "..") or that is empty or
// holds control characters is not a plain folder name and is never made into a path.
bool IsPlainFolderName(std::string_view name);

// A file name typed by a person for a file in the scenario folder: a plain folder name that in
// addition holds no "..".
bool IsPlainFileName(const QString& name);

}  // namespace fennick::browser
