// The parts of the run's state through their own writers: the session's recordsets and names, the locality
// marks' bounds.
#include <gtest/gtest.h>

#include "error.h"
#include "test_window.h"

namespace {

using testing_support::TestWindow;

TEST(Session, TheAreaRecordsetIsReplacedOnTheSessionConnection) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    quelva::Session& session = t.state->session;
    session.reopenAreaRecordset("select * from cd_Area where mun > 0 order by descricao");
    ASSERT_TRUE(session.RsArea().isOpen());
    ASSERT_FALSE(session.RsArea().eof());
    EXPECT_GT(session.RsArea().field("mun").toInteger(), 0);
    EXPECT_THROW(session.reopenAreaRecordset("select * from TabelaQueNaoExiste"), jet::Error);
}

TEST(Session, LocalityNamesAreReadAgainFromTheAreaRecordset) {
    TestWindow t;
    ASSERT_TRUE(t.start());
    quelva::Session& session = t.state->session;
    session.reopenAreaRecordset("select * from cd_Area where COD_AREA_NORVA = 681");
    session.fillLocalityNames();
    EXPECT_EQ(session.VetorNomeLocalidade()[681], "RA de Potipecatu-Mirim");
    EXPECT_EQ(session.VetorNomeLocalidade()[0], "Totais para o Estado de São Paulo");  // no row of code 0 this time
    EXPECT_EQ(session.RsArea().absolutePosition(), 0);
}

TEST(LocalityMarks, OnlyACodeOfTheTableIsWritten) {
    quelva::LocalitySelection marks;
    marks.setMark(0, true);
    marks.setMark(quelva::kMaxAreaCode, true);
    EXPECT_TRUE(marks.VetorLocalidade().front());
    EXPECT_TRUE(marks.VetorLocalidade().back());
    marks.setMark(0, false);
    EXPECT_FALSE(marks.isMarked(0));
    // Codes beyond either end (a damaged entry text) change nothing and do not write past the table.
    marks.setMark(-1, true);
    marks.setMark(quelva::kMaxAreaCode + 1, true);
    EXPECT_FALSE(marks.isMarked(-1));
    int selected = 0;
    for (bool b : marks.VetorLocalidade()) selected += b;
    EXPECT_EQ(selected, 1);
}

}  // namespace
