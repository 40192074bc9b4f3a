// Quelva [PASTA]: opens the survey's data file from PASTA, or from the program's own folder, and shows the
// main window.
#include "executar.h"

int main(int argc, char** argv) { return quelva::executarQuelva(argc, argv); }
