// The one error policy: what a failing handler shows, how the program ends, and what runs after the end.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <optional>
#include <stdexcept>

#include "error_policy.h"
#include "politica_roteiro.h"

namespace {

using quelva::Dialogos;
using quelva::ErrorPolicy;

using Scripted = testing_support::PoliticaRoteiro;

TEST(ErrorPolicy, AFailingHandlerShowsItsOwnMessageUnderQuelvaAndEndsWithStatusOne) {
    Scripted p;
    QPushButton button;
    p.politica.setWindow(&button);
    p.politica.connect(&button, &QPushButton::clicked, &button, [] { throw std::runtime_error("O arquivo X.mdb não existe."); });
    QTest::mouseClick(&button, Qt::LeftButton);

    ASSERT_EQ(p.dialogos.mensagens().size(), 1u);
    const auto& m = p.dialogos.mensagens()[0];
    EXPECT_EQ(m.texto, "O arquivo X.mdb não existe.");
    EXPECT_EQ(m.titulo, "Quelva");
    EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
    EXPECT_EQ(m.botoes, Dialogos::Botoes::Ok);
    EXPECT_EQ(m.pai, &button);
    EXPECT_EQ(p.fins, std::vector<int>{1});
    EXPECT_TRUE(p.politica.ended());

    // Once the end is asked for, no handler runs again and the end is not asked twice.
    int runs = 0;
    EXPECT_FALSE(p.politica.run([&] { ++runs; }));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(p.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(p.fins, std::vector<int>{1});
}

TEST(ErrorPolicy, AnErrorOfNoKnownKindStillEndsTheProgram) {
    Scripted p;
    EXPECT_FALSE(p.politica.run([] { throw 42; }));
    EXPECT_EQ(p.fins, std::vector<int>{1});
}

TEST(ErrorPolicy, HandlersTakeTheSignalsArgumentsOrFewerAndRunToTheirEnd) {
    Scripted p;
    QSpinBox spinBox;
    int seen = -1, calls = 0;
    p.politica.connect(&spinBox, &QSpinBox::valueChanged, &spinBox, [&](int v) { seen = v; });
    p.politica.connect(&spinBox, &QSpinBox::valueChanged, &spinBox, [&] { ++calls; });
    spinBox.setValue(7);
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(p.politica.run([] {}));
    EXPECT_TRUE(p.fins.empty());
    EXPECT_TRUE(p.dialogos.mensagens().empty());
}

TEST(ErrorPolicy, LeavingOnPurposeEndsOnceWithItsOwnStatus) {
    Scripted p;
    p.politica.endProgram(0);
    p.politica.endProgram(1);
    EXPECT_EQ(p.fins, std::vector<int>{0});
}

}  // namespace
