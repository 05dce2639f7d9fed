#pragma once

#include "platform/path.h"

#include <memory>

namespace app {

class MainWindow;

// Starts Tessary as the executable does, in its program folder: sets the windows' font, refuses a
// program folder it cannot write to, records the program folder and builds a missing library
// tree, tells the user what there is to tell, and shows the main window centred on the screen.
// Nothing, once the user has been told why, where Tessary cannot write its program folder.
std::unique_ptr<MainWindow> start_tessary(platform::Path program_folder);

} // namespace app
