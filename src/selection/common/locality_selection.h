#pragma once

namespace quelva {

struct RunState;

// The locality selection, VetorLocalidade, belongs to the Localities subsystem: its panel and the review
// panel change a mark only through this, and the region-group rules clear a family through region_groups.h.
// A code outside the table changes nothing.
void setLocalityMark(RunState& state, int code, bool marked);

}  // namespace quelva
