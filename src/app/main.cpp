// Quelva [PASTA]: opens the survey's data file from PASTA, or from the program's own folder, and shows the
// main window.
#include <QApplication>

#include "executar.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return quelva::executarQuelva(app);
}
