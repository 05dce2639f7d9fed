#pragma once

#include <memory>

class mi_main;

// Starts Tessary as the executable does: installs the message box, loads the main window (which
// records the program folder and builds a missing library tree) and shows it, centred on the
// screen. Tests call it with the program folder and settings store moved to temporary folders.
std::unique_ptr<mi_main> start_tessary();
