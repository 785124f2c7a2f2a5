#include "persist/scratch_xml.h"

#include "bridge/file_utils.h"
#include "bridge/paths.h"
#include "bridge/run_scratch.h"

namespace fennick {

Status WriteScratchXml(const QString& programFolder, const QString& fileName,
                       const std::string& text) {
  if (Status made = MakeRunScratchFolder(programFolder); !made) return made;
  return WriteFileAtomically(JoinPath(RunScratchFolder(programFolder), fileName), text, "\r\n");
}

}  // namespace fennick
