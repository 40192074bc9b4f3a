// The main of test programs that drive widgets: Qt needs its application object before the first widget.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    // CTest sets the offscreen platform for the cases but not for listing them, and a listing must not need
    // a display either.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication aplicacao(argc, argv);
    return RUN_ALL_TESTS();
}
