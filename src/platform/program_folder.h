#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace velmaris::platform {

struct ProgramFolderChoice {
    QString folder;     // the program folder, without a trailing separator; empty: stop
    QString problem;    // why the per-user folder could not be made ready, or why there is
                        // no program folder at all; empty when all is well
    QString installed;  // the installed copy of the data, when the program runs from one
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

// The folder of an executable from its real path given as bytes, or nothing when the path
// cannot be written as text: a byte that is not UTF-8 would turn every file name made from it
// into the name of another file.
[[nodiscard]] std::optional<QString> FolderOfExecutable(const QByteArray& realPath);

// The program folder of this run (see ChooseProgramFolder), from the real path of the running
// executable. When that path cannot be found or written as text, the folder is empty and the
// problem says why: the program must then stop rather than fall back on the working folder.
[[nodiscard]] ProgramFolderChoice ProgramFolder();

}  // namespace velmaris::platform
