// Numbers decoded from the bytes Jet stores; the byte strings were written by Python's struct module.
#include <gtest/gtest.h>

#include <string>

#include "stored_number.h"

namespace {

using jet::StoredNumber;
using jet::StoredNumberKind;

std::optional<StoredNumber> decode(StoredNumberKind kind, const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return jet::storedNumber(kind, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::int64_t whole(const std::optional<StoredNumber>& n) { return std::get<std::int64_t>(n.value()); }
double real(const std::optional<StoredNumber>& n) { return std::get<double>(n.value()); }

TEST(StoredNumber, WholeNumbersAreSignedExceptByte) {
    EXPECT_EQ(whole(decode(StoredNumberKind::Byte, "ff")), 255);
    EXPECT_EQ(whole(decode(StoredNumberKind::Integer, "feff")), -2);
    EXPECT_EQ(whole(decode(StoredNumberKind::Integer, "ff7f")), 32767);
    EXPECT_EQ(whole(decode(StoredNumberKind::Long, "90eefeff")), -70000);
    EXPECT_EQ(whole(decode(StoredNumberKind::Long, "00000080")), -2147483648LL);
}

TEST(StoredNumber, LargeNumberIsAnExactSigned64BitInteger) {
    EXPECT_EQ(whole(decode(StoredNumberKind::LargeNumber, "2a00000000000000")), 42);  // bigint.accdb
    EXPECT_EQ(whole(decode(StoredNumberKind::LargeNumber, "ffffffffffffff7f")), 9223372036854775807LL);
    EXPECT_EQ(whole(decode(StoredNumberKind::LargeNumber, "feffffffffffffff")), -2);
    EXPECT_FALSE(decode(StoredNumberKind::LargeNumber, "2a000000"));
}

TEST(StoredNumber, CurrencyIsTheDoubleNearestItsTenThousandths) {
    EXPECT_EQ(real(decode(StoredNumberKind::Currency, "d8f0040000000000")), 32.38);
    EXPECT_EQ(real(decode(StoredNumberKind::Currency, "eb32a4f8ffffffff")), -12345.6789);
    EXPECT_EQ(real(decode(StoredNumberKind::Currency, "ffffffffffffff7f")), 922337203685477.5807);
}

TEST(StoredNumber, SingleKeepsSevenDigitsDoubleKeepsEveryBit) {
    EXPECT_EQ(real(decode(StoredNumberKind::Single, "9a99193e")), 0.15);  // stored as 0.150000006
    EXPECT_EQ(real(decode(StoredNumberKind::Single, "abaaaa3e")), 0.3333333);
    EXPECT_EQ(real(decode(StoredNumberKind::Double, "9a9999999999b93f")), 0.1);
    EXPECT_EQ(real(decode(StoredNumberKind::Double, "555555555555d53f")), 1.0 / 3);
}

TEST(StoredNumber, ALengthOtherThanTheKindsSizeIsRefused) {
    EXPECT_FALSE(decode(StoredNumberKind::Byte, ""));
    EXPECT_FALSE(decode(StoredNumberKind::Integer, "ff"));
    EXPECT_FALSE(decode(StoredNumberKind::Long, "0000000000"));
    EXPECT_FALSE(decode(StoredNumberKind::Currency, "00000000"));
    EXPECT_FALSE(decode(StoredNumberKind::Double, "9a9999999999b9"));
    EXPECT_FALSE(jet::storedNumber(StoredNumberKind::Single, nullptr, 4));
}

}  // namespace
