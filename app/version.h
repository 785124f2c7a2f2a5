#pragma once

#include <QString>

namespace fennick {

inline constexpr int kVersionMajor = FENNICK_VERSION_MAJOR;
inline constexpr int kVersionMinor = FENNICK_VERSION_MINOR;
inline constexpr int kVersionRevision = FENNICK_VERSION_REVISION;

// "  Version 1.0.45   Rail Simulator path in use is - " + rsPath, behind a window's own caption.
QString CaptionWithVersion(const QString& windowCaption, const QString& rsPath);

}  // namespace fennick
