// The one error policy: what a failing handler shows, how the program ends, and what runs after the end.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <optional>
#include <stdexcept>

#include "error_policy.h"
#include "scripted_policy.h"

namespace {

using quelva::Dialogs;
using quelva::ErrorPolicy;

using Scripted = testing_support::ScriptedPolicy;

TEST(ErrorPolicy, AFailingHandlerShowsItsOwnMessageUnderQuelvaAndEndsWithStatusOne) {
    Scripted p;
    QPushButton button;
    p.policy.setWindow(&button);
    p.policy.connect(&button, &QPushButton::clicked, &button, [] { throw std::runtime_error("O arquivo X.mdb não existe."); });
    QTest::mouseClick(&button, Qt::LeftButton);

    ASSERT_EQ(p.dialogs.messages().size(), 1u);
    const auto& m = p.dialogs.messages()[0];
    EXPECT_EQ(m.text, "O arquivo X.mdb não existe.");
    EXPECT_EQ(m.title, "Quelva");
    EXPECT_EQ(m.icon, Dialogs::Icon::Critical);
    EXPECT_EQ(m.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(m.parent, &button);
    EXPECT_EQ(p.ends, std::vector<int>{1});
    EXPECT_TRUE(p.policy.ended());

    // Once the end is asked for, no handler runs again and the end is not asked twice.
    int runs = 0;
    EXPECT_FALSE(p.policy.run([&] { ++runs; }));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(p.dialogs.messages().size(), 1u);
    EXPECT_EQ(p.ends, std::vector<int>{1});
}

TEST(ErrorPolicy, AnErrorOfNoKnownKindStillEndsTheProgram) {
    Scripted p;
    EXPECT_FALSE(p.policy.run([] { throw 42; }));
    EXPECT_EQ(p.ends, std::vector<int>{1});
}

TEST(ErrorPolicy, HandlersTakeTheSignalsArgumentsOrFewerAndRunToTheirEnd) {
    Scripted p;
    QSpinBox spinBox;
    int seen = -1, calls = 0;
    p.policy.connect(&spinBox, &QSpinBox::valueChanged, &spinBox, [&](int v) { seen = v; });
    p.policy.connect(&spinBox, &QSpinBox::valueChanged, &spinBox, [&] { ++calls; });
    spinBox.setValue(7);
    EXPECT_EQ(seen, 7);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(p.policy.run([] {}));
    EXPECT_TRUE(p.ends.empty());
    EXPECT_TRUE(p.dialogs.messages().empty());
}

TEST(ErrorPolicy, LeavingOnPurposeEndsOnceWithItsOwnStatus) {
    Scripted p;
    p.policy.endProgram(0);
    p.policy.endProgram(1);
    EXPECT_EQ(p.ends, std::vector<int>{0});
}

}  // namespace
