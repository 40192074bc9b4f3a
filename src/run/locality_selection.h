#pragma once
#include <array>
#include <optional>

#include "quelva_limits.h"

namespace quelva {

// The two families of region groups, which a selection must not mix.
enum class RegionFamily { RaRg, Drads };

// The family of a ticked entry by its code; none for a municipality or any other locality.
std::optional<RegionFamily> regionFamily(int code);
RegionFamily otherFamily(RegionFamily family);

// The locality marks, VetorLocalidade, by area code. Its owner is the Localities subsystem (its panel, the
// region-group rule, and the review panel taking entries out); everyone else reads it.
class LocalitySelection {
public:
    using Marks = std::array<bool, kMaxAreaCode + 1>;

    const Marks& VetorLocalidade() const { return marks_; }
    bool isMarked(int code) const { return code >= 0 && code <= kMaxAreaCode && marks_[static_cast<std::size_t>(code)]; }
    // Whether some code of the band is marked.
    bool anySelected(AreaBand band) const;
    // Whether some code the family's selection is made of is marked (for RA/RG, 681-695 and 701-742 only).
    bool familySelected(RegionFamily family) const;
    // Whether groups of both families are marked, as the review panel checks it (its RA/RG bands include
    // 700): a selection it refuses to list.
    bool mixesRegionFamilies() const;

    // A code outside the table changes nothing.
    void setMark(int code, bool marked);
    // Cancels the family's selection: the same codes as familySelected() looks at.
    void clearFamily(RegionFamily family);

private:
    Marks marks_{};
};

}  // namespace quelva
