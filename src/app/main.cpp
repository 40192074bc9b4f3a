// Quelva [PASTA]: opens the survey's data file from PASTA, or from the program's own folder, and shows the
// main window.
#include "run_quelva.h"

int main(int argc, char** argv) { return quelva::runQuelva(argc, argv); }
