#pragma once
#include <functional>
#include <string>

namespace quelva {

class Dialogs;
class FrmQuelva;

// Runs the program as its command line asks (`quelva [PASTA] [ARQUIVO.quelva]`, see command_line.h): start-up and first
// activation, then the window and its event loop. A failure before the window is shown ends with the error's
// message and status 1, with no window drawn; a wrong command line ends with status 2.
int runQuelva(int argc, char** argv);

// The same over the survey in `folder` (the file system's bytes), with the messages through `dialogs`. The
// selection in `selectionFile`, when given, is opened once the window is shown; one that cannot be opened is
// told as from the menu, and the program goes on. `onShown` runs after that (the screenshot tool and the
// tests use it). Numbers in the C library's conversions are read and written in the C locale whatever the
// user's.
int runQuelva(const std::string& folder, Dialogs& dialogs, const std::function<void(FrmQuelva&)>& onShown = {},
              const std::string& selectionFile = {});

}  // namespace quelva
