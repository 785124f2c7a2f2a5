#pragma once

#include <optional>
#include <string_view>

namespace fennick {

// Whether stock of `stockKind` may replace the vehicles in `text` (one vehicle block, or a
// whole consist). Locomotive kinds refuse text that holds "<cWagon" but no "<cEngine"; wagon
// kinds (Passenger, Freight, Tender) the reverse; DMU, EMU and no kind pass. Nothing when the
// swap may go on, else the refusal to show.
std::optional<std::string_view> KindRefusal(std::string_view stockKind, std::string_view text);

}  // namespace fennick
