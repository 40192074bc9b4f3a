// Texts, Replication IDs and calculated results decoded from the bytes a Jet file stores. The byte strings
// are those of rows of the public test files (see ../shared/testdata/README.md), or written by hand.
#include <gtest/gtest.h>

#include <string>

#include "stored_calculated.h"
#include "stored_number.h"
#include "stored_text.h"

namespace {

using jet::StoredTextForm;

std::string bytes(const std::string& hex) {
    std::string b;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) b += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return b;
}

std::string text(StoredTextForm form, const std::string& hex) {
    const std::string b = bytes(hex);
    std::string out;
    jet::appendStoredText(form, reinterpret_cast<const unsigned char*>(b.data()), b.size(), out);
    return out;
}

std::span<const unsigned char> span(const std::string& b) {
    return {reinterpret_cast<const unsigned char*>(b.data()), b.size()};
}

TEST(StoredText, Utf16KeepsSurrogatePairsAndMarksWhatIsNoCharacter) {
    EXPECT_EQ(text(StoredTextForm::Utf16, "61003dd800de6100"), "a\U0001F600a");  // testEmoticonsV2010, first row
    EXPECT_EQ(text(StoredTextForm::Utf16, "e300e700"), "ãç");
    EXPECT_EQ(text(StoredTextForm::Utf16, "2d4e"), "中");
    EXPECT_EQ(text(StoredTextForm::Utf16, "3dd86100"), "\uFFFDa");  // a high surrogate alone
    EXPECT_EQ(text(StoredTextForm::Utf16, "00de"), "\uFFFD");        // a low surrogate alone
    EXPECT_EQ(text(StoredTextForm::Utf16, "3dd8"), "\uFFFD");        // the text ends inside a pair
    EXPECT_EQ(text(StoredTextForm::Utf16, "610062"), "a\uFFFD");     // a last byte without its pair
    EXPECT_EQ(text(StoredTextForm::Utf16, ""), "");
}

TEST(StoredText, TheCompressedFormSwitchesBetweenBytesAndUnitsAtEachZero) {
    EXPECT_EQ(text(StoredTextForm::Utf16, "fffe4272756365"), "Bruce");  // calcFieldTestV2010, FirstName
    EXPECT_EQ(text(StoredTextForm::Utf16, "fffe53e36f"), "São");
    EXPECT_EQ(text(StoredTextForm::Utf16, "fffe61002d4e0062"), "a中b");
    EXPECT_EQ(text(StoredTextForm::Utf16, "fffe61003dd801de0062"), "a\U0001F601b");
    EXPECT_EQ(text(StoredTextForm::Utf16, "fffe61002d"), "a\uFFFD");  // half a unit at the end
}

TEST(StoredText, Windows1252BytesBecomeTheirCharactersAndTheUndefinedOnesTheReplacement) {
    EXPECT_EQ(text(StoredTextForm::Windows1252, "53e36f2050e16f6c6f"), "São Páolo");
    EXPECT_EQ(text(StoredTextForm::Windows1252, "80969f"), "€–Ÿ");
    EXPECT_EQ(text(StoredTextForm::Windows1252, "818d8f909d"), "\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD");
}

TEST(StoredText, ReplicationIdsHaveFiveGroupsInCapitals) {
    const std::string g = bytes("6a27398ea8bcc44a891e49911d8438dd");
    EXPECT_EQ(jet::storedGuidText(reinterpret_cast<const unsigned char*>(g.data()), g.size()),
              "{8E39276A-BCA8-4AC4-891E-49911D8438DD}");
    EXPECT_FALSE(jet::storedGuidText(reinterpret_cast<const unsigned char*>(g.data()), 15));
}

// Rows of calcFieldTestV2010's Table1: a header of 20 bytes, the result's length at byte 16, padding after.
TEST(StoredCalculated, TheResultFollowsItsHeaderAndItsLengthIsChecked) {
    const std::string header(16, '\0');
    const std::string lastFirstLen = header + bytes("040000000c000000000000");
    auto r = jet::calculatedResult(span(lastFirstLen));
    ASSERT_TRUE(r);
    EXPECT_EQ(std::get<std::int64_t>(*jet::storedNumber(jet::StoredNumberKind::Long, r->data(), r->size())), 12);
    const std::string isRich = header + bytes("01000000ff000000");
    ASSERT_TRUE(jet::calculatedResult(span(isRich)));
    EXPECT_EQ(jet::calculatedResult(span(isRich))->size(), 1u);
    EXPECT_FALSE(jet::calculatedResult(span(header)));                              // no length
    EXPECT_FALSE(jet::calculatedResult(span(header + bytes("0800000001020304"))));  // 8 declared, 4 there
}

TEST(StoredCalculated, DecimalResultsHaveScaleSignAndTheirOwnByteOrder) {
    // WeeklySalary = 1000000 / 52, -1 / 52 and 100 / 52 with ten decimals; DecimalTest = 50.325.
    EXPECT_EQ(jet::calculatedDecimal(span(bytes("0e000a0000000000ec04b01fe7ae0000"))), 19230.7692307692);
    EXPECT_EQ(jet::calculatedDecimal(span(bytes("0e000a8000000000ec04b01fe7ae0000"))), -19230.7692307692);
    EXPECT_EQ(jet::calculatedDecimal(span(bytes("000006000000000008e6ff0200000000"))), 50.325);
    // BigNumTest: the upper 32 bits of the 96-bit number come first.
    EXPECT_NEAR(*jet::calculatedDecimal(span(bytes("0e00120058e993b6744deac8f7aa5218"))), 56505085819.424791, 1e-4);
    EXPECT_FALSE(jet::calculatedDecimal(span(bytes("0e001d0000000000ec04b01fe7ae0000"))));  // scale 29
    EXPECT_FALSE(jet::calculatedDecimal(span(bytes("0e000a00"))));
}

}  // namespace
