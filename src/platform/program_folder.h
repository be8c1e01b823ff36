#pragma once

#include <QString>

namespace velmaris::platform {

struct ProgramFolderChoice {
    QString folder;   // the program folder, without a trailing separator
    QString problem;  // why the per-user folder could not be made ready; empty when it could
};

// Where the program's own files live.
// Given:   executableFolder  the folder of the running executable
//          userDataHome      $XDG_DATA_HOME, or ~/.local/share where it is not set
// Returns: the executable's folder when it holds the data files and can be written (the build
//          folder, an unpacked portable copy); otherwise, when an installed copy of the data lies
//          in ../share/velmaris beside it, userDataHome/velmaris, created and seeded with each
//          data file it lacks (the user's own files are never overwritten); when that folder
//          cannot be made ready, the installed copy itself (the program then runs read-only)
//          and the problem. Without an installed copy, the executable's folder as always.
[[nodiscard]] ProgramFolderChoice ChooseProgramFolder(const QString& executableFolder,
                                                      const QString& userDataHome);

// The program folder of this run (see ChooseProgramFolder); a problem goes to standard error.
// Needs a QCoreApplication (or QApplication) to exist.
[[nodiscard]] QString ProgramFolder();

}  // namespace velmaris::platform
