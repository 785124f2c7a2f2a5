#pragma once

#include <optional>
#include <string>

#include "app/dialogs.h"
#include "persist/save_context.h"

#include "bridge/converter.h"
#include "scenario/editor_session.h"
#include "scenario/result.h"

namespace fennick {

// The route's index as it is on disk now, around the scenario's entry. Another copy of the
// program may have saved or cloned another scenario of the route since this one was opened;
// a save or clone puts its entry between these pieces, so that change survives.
struct CurrentIndex {
  std::string head, tail;
  std::string refusal;  // set when the scenario's own entry changed on disk too, or is gone
};

// Converts the route's Scenarios.bin again. The error is a conversion that failed.
Result<CurrentIndex> ReadCurrentIndex(const Converter& converter, const ScenarioSession& session);

// The same for a save or a clone about to write: a failed conversion is reported as the save's
// failure, with nothing changed, and gives nothing.
std::optional<CurrentIndex> ReadIndexBeforeWriting(const SaveContext& context,
                                                   const ScenarioSession& session,
                                                   Dialogs& dialogs);

}  // namespace fennick
