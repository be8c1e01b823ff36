#pragma once

#include <QIcon>

namespace velmaris::app {

// The program's icon at the sizes window decorations and task bars ask for, rendered from its
// SVG, so that it needs no image plugin.
[[nodiscard]] QIcon ProgramIcon();

}  // namespace velmaris::app
