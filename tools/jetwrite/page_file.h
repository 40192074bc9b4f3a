#pragma once
#include <cstdint>
#include <vector>

#include "bytes.h"
#include "format.h"

namespace jetwrite {

// The file being built, a page at a time; pages are numbered in the order they are taken.
class PageFile {
public:
    explicit PageFile(const Format& f) : format_(f) {}
    std::uint32_t allocate() {
        pages_.emplace_back(static_cast<std::size_t>(format_.pageSize), 0);
        return static_cast<std::uint32_t>(pages_.size() - 1);
    }
    Bytes& page(std::uint32_t n) { return pages_.at(n); }
    std::uint32_t count() const { return static_cast<std::uint32_t>(pages_.size()); }
    const Format& format() const { return format_; }
    Bytes image() const {
        Bytes all;
        all.reserve(pages_.size() * static_cast<std::size_t>(format_.pageSize));
        for (const auto& p : pages_) all.insert(all.end(), p.begin(), p.end());
        return all;
    }

private:
    const Format& format_;
    std::vector<Bytes> pages_;
};

}  // namespace jetwrite
