#include "string_table.h"

#include <algorithm>
#include <vector>

#include "biff_records.h"

namespace xls {

std::uint32_t StringTable::intern(std::u16string_view text) {
    if (auto it = index_.find(text); it != index_.end()) return it->second;
    const auto i = static_cast<std::uint32_t>(texts_.size());
    texts_.emplace_back(text);
    index_.emplace(texts_.back(), i);
    return i;
}

namespace {

// Readers find a string without walking the table from its start through EXTSST's buckets: the position of
// every bucket's first string. Excel keeps at most 128 buckets of at least 8 strings.
constexpr std::size_t kMinBucket = 8;
constexpr std::size_t kMaxBuckets = 128;
constexpr std::size_t kMaxBucket = 0xFFFF;  // a 2-byte field: past 8 million strings the buckets grow in number

struct BucketStart {
    std::uint32_t streamPosition;
    std::uint16_t offsetInRecord;  // from the start of the SST or CONTINUE record's header
};

}  // namespace

void StringTable::write(ByteBuffer& out, std::uint32_t references) const {
    using biff::kMaxRecordData;
    const std::size_t bucketSize =
        std::clamp((texts_.size() + kMaxBuckets - 1) / kMaxBuckets, kMinBucket, kMaxBucket);
    std::vector<BucketStart> buckets;

    std::size_t record = biff::begin(out, biff::kSst);
    out.u32(references);
    out.u32(static_cast<std::uint32_t>(texts_.size()));
    std::size_t used = 8;
    auto nextRecord = [&] {
        biff::end(out, record);
        record = biff::begin(out, biff::kContinue);
        used = 0;
    };

    std::size_t i = 0;
    for (const std::u16string& text : texts_) {
        const bool wide = biff::needsTwoBytes(text);
        const std::size_t charSize = wide ? 2 : 1;
        // The count and flags never split from the first character: a string starts where both fit.
        const std::size_t head = 3 + (text.empty() ? 0 : charSize);
        if (used + head > kMaxRecordData) nextRecord();
        if (i++ % bucketSize == 0)
            buckets.push_back({static_cast<std::uint32_t>(out.size()), static_cast<std::uint16_t>(out.size() - record)});
        out.u16(static_cast<std::uint16_t>(text.size()));
        out.u8(wide ? 1 : 0);
        used += 3;
        std::u16string_view rest = text;
        while (!rest.empty()) {
            const std::size_t room = (kMaxRecordData - used) / charSize;  // whole characters only
            if (room == 0) {
                // The rest goes on in a CONTINUE record that repeats the flags byte before it.
                nextRecord();
                out.u8(wide ? 1 : 0);
                used = 1;
                continue;
            }
            const std::size_t n = std::min(room, rest.size());
            biff::characters(out, rest.substr(0, n), wide);
            used += n * charSize;
            rest.remove_prefix(n);
        }
    }
    biff::end(out, record);

    const std::size_t ext = biff::begin(out, biff::kExtSst);
    out.u16(static_cast<std::uint16_t>(bucketSize));
    for (const BucketStart& b : buckets) {
        out.u32(b.streamPosition);
        out.u16(b.offsetInRecord);
        out.u16(0);
    }
    biff::end(out, ext);
}

}  // namespace xls
