// How a record file's bytes become characters and its text becomes lines.
#include <gtest/gtest.h>

#include <QByteArray>
#include <filesystem>

#include "fixture.h"

#include "qt_printing.h"
#include "record_file.h"
#include "text_decoding.h"

using quelva::decodeText;
using quelva::kMaxRecordFileBytes;
using quelva::readRecordFile;
using quelva::splitLines;

namespace {

QStringList lineList(std::initializer_list<const char*> texts) {
    QStringList l;
    for (const char* t : texts) l.append(QString::fromUtf8(t));
    return l;
}

TEST(SplitLines, CrLfLfAndCrEndALineAndAFinalBreakStartsNone) {
    EXPECT_EQ(splitLines("um\r\ndois\ntrês\rquatro"), lineList({"um", "dois", "três", "quatro"}));
    EXPECT_EQ(splitLines("a\n\rb"), lineList({"a", "", "b"}));  // LF then CR: two breaks
    EXPECT_EQ(splitLines("a\r\n"), lineList({"a"}));
    EXPECT_EQ(splitLines("a\n\n"), lineList({"a", ""}));
    EXPECT_EQ(splitLines("\n"), lineList({""}));
    EXPECT_TRUE(splitLines("").isEmpty());
    EXPECT_EQ(splitLines("  \n\tx  "), lineList({"  ", "\tx  "}));
}

TEST(ReadRecordFile, AFileUpToTheLimitIsReadAndOneByteMoreIsRefusedByName) {
    testing_support::TempDir dir;
    const std::string path = dir.file("fichatec.txt");
    testing_support::writeFile(path, "");
    std::filesystem::resize_file(path, kMaxRecordFileBytes);
    EXPECT_TRUE(readRecordFile(path).ok());
    std::filesystem::resize_file(path, kMaxRecordFileBytes + 1);
    EXPECT_TRUE(readRecordFile(path).failure.contains(QString::fromStdString(path) + "\" tem mais de 4 MB")) << path;
}

TEST(DecodeText, ValidUtf8IsUtf8WithoutItsByteOrderMark) {
    EXPECT_EQ(decodeText("\xEF\xBB\xBFT\xC3\xA9" "cnica"), QString::fromUtf8("Técnica"));
    EXPECT_EQ(decodeText("\xEF\xBB\xBF"), QString());
    EXPECT_EQ(decodeText("S\xC3\xA3o"), QString::fromUtf8("São"));
}

TEST(DecodeText, AnythingElseIsWindows1252) {
    // One invalid byte decides for the whole file, even after valid UTF-8.
    EXPECT_EQ(decodeText("S\xC3\xA3o\nS\xE3o"), QString::fromUtf8("SÃ£o\nSão"));
    // A cut-off sequence at the very end, an overlong form, an encoded surrogate.
    EXPECT_EQ(decodeText("Jos\xE9"), QString::fromUtf8("José"));
    EXPECT_EQ(decodeText("\xC0\x80"), QString::fromUtf8("À€"));
    EXPECT_EQ(decodeText("\xED\xA0\x80"), QString::fromUtf8("í\u00A0€"));
}

TEST(DecodeText, Windows1252TypographicRangeAndUndefinedBytes) {
    EXPECT_EQ(decodeText("\x93x\x94\x91\x92\x96\x97\x85\x99\x95"), QString::fromUtf8("“x”‘’–—…™•"));
    EXPECT_EQ(decodeText("\x8A\x9A\x8C\x9C\x9F\x80"), QString::fromUtf8("ŠšŒœŸ€"));
    // The five bytes the code page leaves undefined keep their own value.
    const QString undefinedBytes = decodeText("\x81\x8D\x8F\x90\x9D");
    ASSERT_EQ(undefinedBytes.size(), 5);
    EXPECT_EQ(undefinedBytes.at(0).unicode(), 0x81);
    EXPECT_EQ(undefinedBytes.at(4).unicode(), 0x9D);
    EXPECT_EQ(decodeText(QByteArray("\x7F\xA0\xFF", 3)), QString::fromUtf8("\x7F\u00A0ÿ"));
}

}  // namespace
