#pragma once

#include <string_view>

namespace fennick {

// Which kind test a file of the stock walk gets, decided from its path alone so that only
// candidates cost a converter run.
enum class KindTest {
  kSkip,  // not a candidate
  kEngine,
  kWagon,
  kTender,
  kEngineOrWagon,  // an engine, or failing that a wagon
};

// The test for a file whose path (with "\" separators) is `path`, under the kind option `kind`
// (a caption, or empty when none was ever chosen) and the any-folder mode. Letter case is
// ignored throughout; words are matched anywhere in the path.
KindTest StockKindTest(std::string_view path, std::string_view kind, bool anyFolderAccepted);

}  // namespace fennick
