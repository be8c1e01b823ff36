#pragma once

#include <QString>

namespace velmaris::platform {

// The folder the program runs from, where its data files lie, without a trailing separator.
// Needs a QCoreApplication (or QApplication) to exist.
[[nodiscard]] QString ProgramFolder();

}  // namespace velmaris::platform
