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

using Politica = testing_support::PoliticaRoteiro;

TEST(ErrorPolicy, AFailingHandlerShowsItsOwnMessageUnderQuelvaAndEndsWithStatusOne) {
    Politica p;
    QPushButton botao;
    p.politica.setWindow(&botao);
    p.politica.connect(&botao, &QPushButton::clicked, &botao, [] { throw std::runtime_error("O arquivo X.mdb não existe."); });
    QTest::mouseClick(&botao, Qt::LeftButton);

    ASSERT_EQ(p.dialogos.mensagens().size(), 1u);
    const auto& m = p.dialogos.mensagens()[0];
    EXPECT_EQ(m.texto, "O arquivo X.mdb não existe.");
    EXPECT_EQ(m.titulo, "Quelva");
    EXPECT_EQ(m.icone, Dialogos::Icone::Critico);
    EXPECT_EQ(m.botoes, Dialogos::Botoes::Ok);
    EXPECT_EQ(m.pai, &botao);
    EXPECT_EQ(p.fins, std::vector<int>{1});
    EXPECT_TRUE(p.politica.ended());

    // Once the end is asked for, no handler runs again and the end is not asked twice.
    int corridas = 0;
    EXPECT_FALSE(p.politica.run([&] { ++corridas; }));
    QTest::mouseClick(&botao, Qt::LeftButton);
    EXPECT_EQ(corridas, 0);
    EXPECT_EQ(p.dialogos.mensagens().size(), 1u);
    EXPECT_EQ(p.fins, std::vector<int>{1});
}

TEST(ErrorPolicy, AnErrorOfNoKnownKindStillEndsTheProgram) {
    Politica p;
    EXPECT_FALSE(p.politica.run([] { throw 42; }));
    EXPECT_EQ(p.fins, std::vector<int>{1});
}

TEST(ErrorPolicy, HandlersTakeTheSignalsArgumentsOrFewerAndRunToTheirEnd) {
    Politica p;
    QSpinBox caixa;
    int visto = -1, chamadas = 0;
    p.politica.connect(&caixa, &QSpinBox::valueChanged, &caixa, [&](int v) { visto = v; });
    p.politica.connect(&caixa, &QSpinBox::valueChanged, &caixa, [&] { ++chamadas; });
    caixa.setValue(7);
    EXPECT_EQ(visto, 7);
    EXPECT_EQ(chamadas, 1);
    EXPECT_TRUE(p.politica.run([] {}));
    EXPECT_TRUE(p.fins.empty());
    EXPECT_TRUE(p.dialogos.mensagens().empty());
}

TEST(ErrorPolicy, LeavingOnPurposeEndsOnceWithItsOwnStatus) {
    Politica p;
    p.politica.endProgram(0);
    p.politica.endProgram(1);
    EXPECT_EQ(p.fins, std::vector<int>{0});
}

}  // namespace
