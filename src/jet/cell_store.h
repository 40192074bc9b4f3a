#pragma once
#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

#include "value.h"

namespace jet {

// The values of a recordset, row after row, in blocks that never move. A growing array copies itself
// again and again, and on a large result the fresh pages it touches cost more than the query; these blocks
// are only touched as they fill. Indexing stays a shift and a mask.
class CellStore {
public:
    CellStore() = default;
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;
    ~CellStore() { shrink(0); }

    std::size_t size() const { return size_; }
    const Value& operator[](std::size_t i) const { return block(i)[i & kMask]; }

    void push_back(Value v) {
        if ((size_ >> kShift) == blocks_.size()) blocks_.emplace_back(static_cast<Value*>(::operator new(kBlock * sizeof(Value))));
        new (&block(size_)[size_ & kMask]) Value(std::move(v));
        ++size_;
    }

    // Keeps the first n values (n no more than size()).
    void shrink(std::size_t n) {
        while (size_ > n) {
            --size_;
            block(size_)[size_ & kMask].~Value();
        }
        blocks_.resize((size_ + kBlock - 1) >> kShift);
    }

private:
    static constexpr std::size_t kShift = 16;
    static constexpr std::size_t kBlock = std::size_t{1} << kShift;
    static constexpr std::size_t kMask = kBlock - 1;

    struct Release {
        void operator()(Value* p) const { ::operator delete(p); }
    };

    Value* block(std::size_t i) const { return blocks_[i >> kShift].get(); }

    std::vector<std::unique_ptr<Value, Release>> blocks_;
    std::size_t size_ = 0;
};

}  // namespace jet
