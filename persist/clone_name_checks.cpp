#include "persist/clone_name_checks.h"

#include <QString>
#include <string_view>

#include "persist/save_messages.h"

namespace fennick {

bool CheckCloneDisplayName(const std::string& displayName, const std::string& loadedDisplayName,
                           Dialogs& dialogs) {
  // Letter case of any script, not only ASCII: "Côte" and "CÔTE" are the same name.
  if (QString::fromStdString(displayName)
          .compare(QString::fromStdString(loadedDisplayName), Qt::CaseInsensitive) == 0) {
    dialogs.ShowMessage(kNameUnchangedMessage, MessageIcon::Exclamation);
    return false;
  }
  if (displayName.find_first_of(std::string_view(".<>:/\\|")) != std::string::npos) {
    dialogs.ShowMessage(kIllegalNameMessage, MessageIcon::Exclamation);
    return false;
  }
  return true;
}

}  // namespace fennick
