#include "persist/scratch_xml.h"

#include "bridge/file_utils.h"
#include "bridge/paths.h"

namespace fennick {

Status WriteScratchXml(const QString& programFolder, const QString& fileName,
                       const std::string& text) {
  QString tempFiles = JoinPath(programFolder, "TempFiles");
  if (!FolderExists(tempFiles)) {
    if (Status made = MakeFolder(tempFiles); !made) return made;
  }
  return WriteFileAtomically(JoinPath(tempFiles, fileName), text + "\r\n");
}

}  // namespace fennick
