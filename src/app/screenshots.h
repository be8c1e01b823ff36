#pragma once

#include "app/main_window.h"

#include <QString>

namespace velmaris::app {

// Saves pictures of the windows as PNG files in a folder, for anyone to look at the program
// without starting it: the main window, the New Date dialog, the About window and the options
// editor. The main window must have started up and be shown.
// Returns: false when a picture could not be saved
bool SaveScreenshots(MainWindow& window, const MainWindowServices& services, const QString& folder);

}  // namespace velmaris::app
