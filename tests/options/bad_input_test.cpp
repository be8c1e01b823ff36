// Binary data, NUL bytes and huge files in place of the window settings file.
#include "options/window_settings.h"
#include "support/bad_bytes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <tuple>

namespace velmaris::domain {
namespace {

using testing::BinaryBytes;
using testing::Bytes;
using testing::DataFolder;
using testing::Put;

// Each case: the file (none: 100 MB whose first line asks for 20 points), then the font size
// and the width read; the height always stays at its default.
TEST(BadDataFiles, WindowSettingsFile) {
    const std::tuple<const char*, QByteArray, double, float> cases[] = {
        {"binary data", BinaryBytes(4096), 9.25, 8805},
        {"NUL bytes end a number",
         Bytes("FontSize= 12\x00"
               "5\r\nVelmarisWidth= 9\x00"
               "000\r\n"),
         12, 9},
        {"a number of a million digits is refused, a long tail ignored",
         "FontSize= 11" + QByteArray(500000, 'x') + "\r\nVelmarisWidth= 9" +
             QByteArray(500000, '0') + "\r\n",
         11, 8805},
        {"a file of 100 MB is not read", {}, 9.25, 8805},
    };
    for (const auto& [label, bytes, fontSize, width] : cases) {
        SCOPED_TRACE(label);
        DataFolder folder;
        Put(folder, QStringLiteral("VELMARIS.INI"), bytes, "FontSize= 20\r\n");
        const WindowSettings settings = ReadWindowSettings(folder.Path());
        EXPECT_EQ(settings.fontSize, fontSize);
        EXPECT_EQ(settings.width, width);
        EXPECT_EQ(settings.height, WindowSettings{}.height);
    }
}

}  // namespace
}  // namespace velmaris::domain
