#pragma once

#include <QString>
#include <string>
#include <vector>

#include "consist/stock_filter.h"
#include "consist/stock_folder.h"

namespace fennick {

// A file of the walk that passed the path filters.
struct StockCandidate {
  QString filePath;         // the file on disk
  std::string blueprintId;  // leaf\...\name.xml, "\"-separated, UTF-8
  KindTest test = KindTest::kSkip;
};

struct StockWalk {
  std::vector<StockCandidate> candidates;  // in the walk's order
  std::vector<std::string> errors;         // descriptions, in the walk's order
};

// WorkWithSubFolders without its converter runs: the files directly in a folder, sorted by name,
// then each subfolder's whole tree, sorted by name, depth first. Only paths are looked at here.
// The path the filters see starts at the provider folder, so words in the folders above the
// simulator's Assets (a user or disk name) do not decide what is stock.
StockWalk WalkStockFolder(const StockFolder& folder, std::string_view kind, bool anyFolderAccepted);

}  // namespace fennick
