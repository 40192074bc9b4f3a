// The Windows Latin-1 code page: both directions, the signs of 0x80-0x9F, and characters it lacks.
#include <gtest/gtest.h>

#include "windows1252.h"

namespace {

using windows1252::fromUnicode;
using windows1252::toUnicode;

TEST(Windows1252, EveryByteGoesThereAndBack) {
    for (int b = 0; b <= 0xFF; ++b) {
        const char32_t c = toUnicode(std::uint8_t(b));
        ASSERT_EQ(fromUnicode(c), std::optional<std::uint8_t>(std::uint8_t(b))) << b;
    }
}

TEST(Windows1252, TheSignsStandInPlaceOfTheControlCharacters) {
    EXPECT_EQ(toUnicode(0xE3), U'ã');
    EXPECT_EQ(toUnicode(0x80), U'€');
    EXPECT_EQ(toUnicode(0x9F), U'Ÿ');
    EXPECT_EQ(fromUnicode(U'’'), std::optional<std::uint8_t>(0x92));
    EXPECT_EQ(toUnicode(0x81), char32_t(0x81));  // undefined: carried as the control character of its value
}

TEST(Windows1252, CharactersOutsideThePageHaveNoByte) {
    for (char32_t c : {char32_t(0x80), char32_t(0x9F), char32_t(0x100), U'ő', U'Ж', char32_t(0x2015), char32_t(0x1F600)})
        EXPECT_EQ(fromUnicode(c), std::nullopt) << std::uint32_t(c);
}

}  // namespace
