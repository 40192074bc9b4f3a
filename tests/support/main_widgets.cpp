// The main of test programs that drive widgets: Qt needs its application object before the first widget.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
    // CTest sets the offscreen platform for the cases but not for listing them, and a listing must not need
    // a display either.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    // As the program does once Qt has taken the user's locale: the C library's numbers stay in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    return RUN_ALL_TESTS();
}
