#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "scenario/result.h"

namespace fennick {

// All paths here are path texts as the program builds them ("\" joined); they are resolved
// with NativePath before the file system sees them.

// True when the path names a file that can be opened for reading (a folder gives false).
bool FileExists(const QString& path);

// True when the folder exists. A trailing "\" is removed from the caller's text first.
bool FolderExists(QString& path);

// Reads the whole file as bytes. A missing file leaves `text` untouched and returns an error;
// so does an unreadable one.
Status ReadTextFile(const QString& path, std::string& text);

// Writes the bytes, then `tail`, through a temporary file that replaces the target only when
// complete.
Status WriteFileAtomically(const QString& path, std::string_view bytes, std::string_view tail = {});

// Deletes the folder and everything below it; every failure is ignored.
void DeleteFolderTree(const QString& path);

// Creates the folder (and missing parents).
Status MakeFolder(const QString& path);

// Copies, replacing an existing target only once the copy is complete.
Status CopyFileReplacing(const QString& from, const QString& to);

Status RenameFile(const QString& from, const QString& to);
Status DeleteFile(const QString& path);

}  // namespace fennick
