// The locality entry text both locality lists write and read back.
#include <gtest/gtest.h>

#include "locality_entry.h"

namespace {

using quelva::localityEntryCode;
using quelva::localityEntryLabel;
using quelva::localityEntryText;

TEST(LocalityEntry, CodeWrittenFromPosition300AndReadBack) {
    const QString um = localityEntryText("Anhurapuã", 5);
    EXPECT_EQ(um.size(), 9 + 300);
    EXPECT_EQ(um.mid(299, 3), "5  ");
    EXPECT_EQ(um.mid(9, 290), QString(290, ' '));
    EXPECT_EQ(localityEntryCode(um), 5);

    const QString tres = localityEntryText("DRADS de Santa Isabel", 823);
    EXPECT_EQ(tres.mid(298, 5), " 823 ");
    EXPECT_EQ(localityEntryCode(tres), 823);

    EXPECT_EQ(localityEntryCode(localityEntryText("Totais para o Estado de São Paulo", 0)), 0);
    EXPECT_EQ(localityEntryCode(localityEntryText("X", 42)), 42);
}

TEST(LocalityEntry, AShortLabelKeepsItsWholeCode) {
    const QString vazio = localityEntryText("", 742);
    EXPECT_EQ(vazio.size(), 302);
    EXPECT_EQ(localityEntryCode(vazio), 742);
    EXPECT_EQ(localityEntryLabel(vazio), "");
}

TEST(LocalityEntry, ReadBackTakesTheLeadingDigitsOfThreeCharacters) {
    QString t = QString(299, ' ') + "12x9";
    EXPECT_EQ(localityEntryCode(t), 12);
    t = QString(299, ' ') + "1234";
    EXPECT_EQ(localityEntryCode(t), 123);
    EXPECT_EQ(localityEntryCode(QString(299, 'a') + " 12"), -1);  // a blank first: no code
    EXPECT_EQ(localityEntryCode("Santa Cruz"), -1);
    EXPECT_EQ(localityEntryCode(QString(299, ' ') + "٣"), -1);  // only the digits 0-9
}

TEST(LocalityEntry, TheLabelIsWhatComesBeforeTheCodeWithoutTrailingBlanks) {
    EXPECT_EQ(localityEntryLabel(localityEntryText("Cajocunópolis d'Oeste", 623)), "Cajocunópolis d'Oeste");
    // The review panel indents its lines: leading blanks are part of what is shown.
    EXPECT_EQ(localityEntryLabel(localityEntryText("     Totais da DRADS de Ibiriema", 802)), "     Totais da DRADS de Ibiriema");
    EXPECT_EQ(localityEntryLabel(localityEntryText("Boiina  ", 212)), "Boiina");
}

}  // namespace
