#pragma once
// The BIFF8 record identifiers this writer uses, and the framing every record shares: a 2-byte identifier,
// a 2-byte length, then at most kMaxRecordData bytes (longer data goes on in CONTINUE records).
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "byte_buffer.h"

namespace xls::biff {

inline constexpr std::size_t kMaxRecordData = 8224;

enum Id : std::uint16_t {
    kBof = 0x0809,
    kEof = 0x000A,
    kInterfaceHdr = 0x00E1,
    kMms = 0x00C1,
    kInterfaceEnd = 0x00E2,
    kWriteAccess = 0x005C,
    kCodePage = 0x0042,
    kDsf = 0x0161,
    kTabId = 0x013D,
    kFnGroupCount = 0x009C,
    kWindowProtect = 0x0019,
    kProtect = 0x0012,
    kPassword = 0x0013,
    kProt4Rev = 0x01AF,
    kProt4RevPass = 0x01BC,
    kWindow1 = 0x003D,
    kBackup = 0x0040,
    kHideObj = 0x008D,
    kDateMode = 0x0022,
    kPrecision = 0x000E,
    kRefreshAll = 0x01B7,
    kBookBool = 0x00DA,
    kFont = 0x0031,
    kXf = 0x00E0,
    kStyle = 0x0293,
    kUsesElfs = 0x0160,
    kBoundSheet = 0x0085,
    kCountry = 0x008C,
    kSst = 0x00FC,
    kContinue = 0x003C,
    kExtSst = 0x00FF,
    kIndex = 0x020B,
    kCalcMode = 0x000D,
    kCalcCount = 0x000C,
    kRefMode = 0x000F,
    kIteration = 0x0011,
    kDelta = 0x0010,
    kSaveRecalc = 0x005F,
    kPrintHeaders = 0x002A,
    kPrintGridlines = 0x002B,
    kGridSet = 0x0082,
    kGuts = 0x0080,
    kDefaultRowHeight = 0x0225,
    kWsBool = 0x0081,
    kHeader = 0x0014,
    kFooter = 0x0015,
    kHCenter = 0x0083,
    kVCenter = 0x0084,
    kSetup = 0x00A1,
    kDefColWidth = 0x0055,
    kDimensions = 0x0200,
    kRow = 0x0208,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kRk = 0x027E,
    kDbCell = 0x00D7,
    kWindow2 = 0x023E,
};

// Opens a record and returns where it starts; end() fills in its length.
inline std::size_t begin(ByteBuffer& out, Id id) {
    const std::size_t start = out.size();
    out.u16(id);
    out.u16(0);
    return start;
}

inline void end(ByteBuffer& out, std::size_t start) {
    const std::size_t length = out.size() - start - 4;
    assert(length <= kMaxRecordData);
    out.patch16(start + 2, static_cast<std::uint16_t>(length));
}

enum Substream : std::uint16_t { kGlobalsSubstream = 0x0005, kWorksheetSubstream = 0x0010 };

inline void bof(ByteBuffer& out, Substream substream) {
    const std::size_t r = begin(out, kBof);
    out.u16(0x0600);  // BIFF8
    out.u16(substream);
    out.u16(0x0DBB);  // build and year of the first BIFF8 writer, as readers expect to find
    out.u16(0x07CC);
    out.u32(0);
    out.u32(6);  // the oldest BIFF version that reads the file
    end(out, r);
}

// A record whose data is one 16-bit value: most of the workbook's settings.
inline void flag(ByteBuffer& out, Id id, std::uint16_t value) {
    const std::size_t r = begin(out, id);
    out.u16(value);
    end(out, r);
}

inline bool needsTwoBytes(std::u16string_view text) {
    for (char16_t c : text)
        if (c > 0xFF) return true;
    return false;
}

// A string's characters, one byte each when every one fits in Latin-1 (the "compressed" form), else UTF-16.
inline void characters(ByteBuffer& out, std::u16string_view text, bool twoBytes) {
    for (char16_t c : text) {
        if (twoBytes) out.u16(c);
        else out.u8(static_cast<std::uint8_t>(c));
    }
}

// A string of at most 255 characters with a 1-byte count (sheet and font names).
inline void shortString(ByteBuffer& out, std::u16string_view text) {
    const bool wide = needsTwoBytes(text);
    out.u8(static_cast<std::uint8_t>(text.size()));
    out.u8(wide ? 1 : 0);
    characters(out, text, wide);
}

}  // namespace xls::biff
