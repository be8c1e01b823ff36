// The window-settings reader over arbitrary bytes; whatever it accepts must survive a write and
// a second read unchanged.
#include "fuzz_support.h"

#include "options/window_settings.h"

#include <cstdlib>

using namespace velmaris;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteScratch(QStringLiteral("VELMARIS.INI"), data, size);
    const domain::WindowSettings first = domain::ReadWindowSettings(fuzz::ScratchFolder().path());
    if (!domain::WriteWindowSettings(fuzz::ScratchFolder().path(), first)) {
        std::abort();
    }
    const domain::WindowSettings second = domain::ReadWindowSettings(fuzz::ScratchFolder().path());
    if (domain::WindowSettingsText(first) != domain::WindowSettingsText(second)) {
        std::abort();
    }
    return 0;
}
