#pragma once

namespace quelva {

// The index of the tree node shown in bold (NoDestacadoVar, NoDestacadoPal); -1 when none. Each belongs to
// the panel of its tree; start-up sets both to -1.
class HighlightedNode {
public:
    int index() const { return index_; }
    void set(int index) { index_ = index; }

private:
    int index_ = -1;
};

}  // namespace quelva
