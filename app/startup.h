#pragma once

#include <memory>

namespace app {

class MainWindow;

// Starts Tessary as the executable does: loads the main window (which records the program folder
// and builds a missing library tree) and shows it, centred on the screen. Nothing, once the user
// has been told why, where Tessary cannot write its program folder. Tests call it with the
// program folder and settings store moved to temporary folders.
std::unique_ptr<MainWindow> start_tessary();

} // namespace app
