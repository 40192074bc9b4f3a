#pragma once
#include <functional>

class QApplication;

namespace quelva {

class FrmQuelva;

// Runs the program in `app`: start-up and first activation, then the window and its event loop. A failure
// before the window is shown ends with the error's message and status 1, with no window drawn.
// `aoMostrar` runs once the window is shown (the screenshot tool uses it). Numbers in the C library's
// conversions are read and written in the C locale whatever the user's.
int executarQuelva(QApplication& app, const std::function<void(FrmQuelva&)>& aoMostrar = {});

}  // namespace quelva
