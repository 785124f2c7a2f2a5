#pragma once

#include <QString>

namespace fennick {

// The simulator builds its paths as text joined with "\" and names its folders without
// regard to case. These helpers keep that text form inside the program and turn it into a
// real file-system path only at the moment a file is touched.

// base + "\" + relative, with exactly one separator between them.
QString JoinPath(const QString& base, const QString& relative);

// The last element of a path written with "\" or "/".
QString LastPathElement(const QString& path);

// The file-system path for a path text: separators made native and, on a case-sensitive file
// system, every existing component matched without regard to case. Components that do not
// exist yet (a file about to be written) keep their spelling.
QString NativePath(const QString& pathText);

}  // namespace fennick
