// quelva [PASTA] [ARQUIVO.quelva]: opens the survey's data file from PASTA, or from the program's own folder,
// shows the main window, and opens the saved selection ARQUIVO in it.
#include "run_quelva.h"

int main(int argc, char** argv) { return quelva::runQuelva(argc, argv); }
