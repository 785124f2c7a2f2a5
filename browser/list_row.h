#pragma once

#include <QString>
#include <vector>

namespace fennick::browser {

// One row of the route or scenario list as it is shown: display name and folder name.
struct ListRow {
  QString name;
  QString folder;

  bool operator==(const ListRow&) const = default;
};

using ListRows = std::vector<ListRow>;

}  // namespace fennick::browser
