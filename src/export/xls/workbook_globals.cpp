#include "workbook_globals.h"

#include "biff_records.h"

namespace xls {

namespace {

constexpr std::uint16_t kUtf16CodePage = 1200;
constexpr std::uint16_t kBuiltInFunctionGroups = 14;
constexpr std::size_t kWriteAccessLength = 112;  // the user name, padded with blanks to this size
constexpr std::u16string_view kAuthor = u"Quelva";
constexpr std::u16string_view kFontName = u"Arial";
constexpr std::uint16_t kFontHeight = 200;  // twips: 10 points
// Excel reads font index 4 as absent, so five records give indexes 0 to 3 and 5.
constexpr int kFonts = 5;
// The sixteen formats every workbook carries: the "Normal" style, fourteen built-in styles Excel expects in
// places 1 to 14, and the one format every cell uses.
constexpr int kStyleFormats = 15;
constexpr std::uint16_t kStyleFlags = 0xFFF5;  // locked, a style, no parent
constexpr std::uint16_t kCellFlags = 0x0001;   // locked, parent style 0
constexpr std::uint8_t kBottomAligned = 0x20;
constexpr std::uint8_t kStyleAttributesIgnored = 0xF4;
constexpr std::uint16_t kDefaultColours = 0x20C0;  // pattern colours 64 and 65: the system's window colours

void writeAccess(ByteBuffer& out) {
    const std::size_t r = biff::begin(out, biff::kWriteAccess);
    out.u16(static_cast<std::uint16_t>(kAuthor.size()));
    out.u8(0);
    biff::characters(out, kAuthor, false);
    while (out.size() - r - 4 < kWriteAccessLength) out.u8(' ');
    biff::end(out, r);
}

void writeWindow1(ByteBuffer& out) {
    const std::size_t r = biff::begin(out, biff::kWindow1);
    out.u16(360);    // window position and size, twips
    out.u16(270);
    out.u16(14940);
    out.u16(9150);
    out.u16(0x0038);  // horizontal and vertical scroll bars, sheet tabs
    out.u16(0);       // the first sheet is shown,
    out.u16(0);       // its tab first,
    out.u16(1);       // and it alone selected
    out.u16(600);     // tab bar width, thousandths of the window
    biff::end(out, r);
}

void writeFont(ByteBuffer& out) {
    const std::size_t r = biff::begin(out, biff::kFont);
    out.u16(kFontHeight);
    out.u16(0);       // not bold, italic, struck out
    out.u16(0x7FFF);  // automatic colour
    out.u16(400);     // normal weight
    out.u16(0);       // neither superscript nor subscript
    out.u8(0);        // no underline
    out.u8(0);        // family and character set: any
    out.u8(0);
    out.u8(0);
    biff::shortString(out, kFontName);
    biff::end(out, r);
}

void writeXf(ByteBuffer& out, std::uint16_t font, std::uint16_t flags, std::uint8_t attributes) {
    const std::size_t r = biff::begin(out, biff::kXf);
    out.u16(font);
    out.u16(0);  // number format 0: General
    out.u16(flags);
    out.u8(kBottomAligned);
    out.u8(0);  // no rotation
    out.u8(0);  // no indent
    out.u8(attributes);
    out.zeros(8);  // no borders
    out.u16(kDefaultColours);
    biff::end(out, r);
}

void writeFormats(ByteBuffer& out) {
    for (int i = 0; i < kFonts; ++i) writeFont(out);
    writeXf(out, 0, kStyleFlags, 0);
    for (int i = 1; i < kStyleFormats; ++i) {
        const std::uint16_t font = i <= 2 ? 1 : i <= 4 ? 2 : 0;
        writeXf(out, font, kStyleFlags, kStyleAttributesIgnored);
    }
    writeXf(out, 0, kCellFlags, 0);
    const std::size_t r = biff::begin(out, biff::kStyle);
    out.u16(0x8000);  // a built-in style, on format 0:
    out.u8(0);        // "Normal"
    out.u8(0xFF);
    biff::end(out, r);
}

}  // namespace

std::vector<std::size_t> writeGlobals(ByteBuffer& out, const std::vector<std::u16string>& sheetNames,
                                      const StringTable& strings, std::uint32_t textCells) {
    biff::bof(out, biff::kGlobalsSubstream);
    biff::flag(out, biff::kInterfaceHdr, kUtf16CodePage);
    biff::flag(out, biff::kMms, 0);
    biff::end(out, biff::begin(out, biff::kInterfaceEnd));
    writeAccess(out);
    biff::flag(out, biff::kCodePage, kUtf16CodePage);
    biff::flag(out, biff::kDsf, 0);
    const std::size_t tabs = biff::begin(out, biff::kTabId);
    for (std::size_t i = 0; i < sheetNames.size(); ++i) out.u16(static_cast<std::uint16_t>(i + 1));
    biff::end(out, tabs);
    biff::flag(out, biff::kFnGroupCount, kBuiltInFunctionGroups);
    biff::flag(out, biff::kWindowProtect, 0);
    biff::flag(out, biff::kProtect, 0);
    biff::flag(out, biff::kPassword, 0);
    biff::flag(out, biff::kProt4Rev, 0);
    biff::flag(out, biff::kProt4RevPass, 0);
    writeWindow1(out);
    biff::flag(out, biff::kBackup, 0);
    biff::flag(out, biff::kHideObj, 0);
    biff::flag(out, biff::kDateMode, 0);  // dates from 1900
    biff::flag(out, biff::kPrecision, 1);  // full precision, not as displayed
    biff::flag(out, biff::kRefreshAll, 0);
    biff::flag(out, biff::kBookBool, 0);
    writeFormats(out);
    biff::flag(out, biff::kUsesElfs, 0);

    std::vector<std::size_t> sheetPositions;
    for (const std::u16string& name : sheetNames) {
        const std::size_t r = biff::begin(out, biff::kBoundSheet);
        sheetPositions.push_back(out.size());
        out.u32(0);
        out.u8(0);  // visible
        out.u8(0);  // a worksheet
        biff::shortString(out, name);
        biff::end(out, r);
    }

    const std::size_t country = biff::begin(out, biff::kCountry);
    out.u16(1);
    out.u16(1);
    biff::end(out, country);
    strings.write(out, textCells);
    biff::end(out, biff::begin(out, biff::kEof));
    return sheetPositions;
}

}  // namespace xls
