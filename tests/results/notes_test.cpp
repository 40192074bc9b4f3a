// The notes of a run and the conventions legend.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "notes.h"
#include "result_fixture.h"

namespace {

using testing_support::ResultState;

QString notesOf(ResultState& t) {
    t.state->result.AbrirTabelasCD(t.state->session.database());
    QString n = quelva::MontarNotas(*t.state);
    t.state->result.FecharTabelasCD();
    return n;
}

TEST(MontarNotas, OneBlockPerVariableWithTextsBlankOnesLeftOut) {
    ResultState t;
    // M1_1003: no source, note or definition; T30: a note of blanks only; T31: a source code with no row and
    // a definition of blanks only.
    t.select({"M1_1003", "T30", "T31"});
    EXPECT_EQ(notesOf(t), "");
    t.select({"X2"});
    EXPECT_EQ(notesOf(t), "Variável: Creches\r\nDefinição: Vagas em creche");
    t.select({"X1"});
    // The texts as stored, untrimmed; one empty line between blocks, no break after the last.
    EXPECT_EQ(notesOf(t), "Variável: Escolas\r\nFonte: Censo\r\nNota:  Em 1998 \r\n\r\nVariável: Creches\r\nDefinição: Vagas em creche");
}

// Each line of the legend names one of the codes a value cell may hold, ahead of its meaning; the box and the
// workbook split the lines at CR LF.
TEST(Conventions, OneLinePerCodeACellMayHoldJoinedByCrLf) {
    const QString legend = quelva::conventionsText();
    EXPECT_FALSE(legend.endsWith("\r\n"));
    EXPECT_FALSE(legend.contains(QRegularExpression("[^\r]\n")));
    QStringList codes;
    for (const QString& line : legend.split("\r\n")) codes << line.left(5).trimmed();
    EXPECT_EQ(codes, QStringList({"NR", "SB", "...", "-"}));
}

}  // namespace
