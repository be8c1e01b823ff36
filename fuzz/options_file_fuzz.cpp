// The options file reader over arbitrary bytes, then the natal fields and chart moment built
// from whatever it read.
#include "fuzz_support.h"

#include "options/options_file.h"

#include <cmath>
#include <cstdlib>

using namespace velmaris;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteScratch(QStringLiteral("OPTIONS.OPT"), data, size);
    domain::OptionValues values{};
    const domain::OptionsRead read = domain::ReadOptionsFile(fuzz::ScratchFolder().path(), values);
    if (!read.opened) {
        std::abort();  // the file was just written
    }
    const domain::NatalLoad natal = domain::LoadNatalDateTime(values);
    const ephem::ChartMoment moment = domain::ComputeChartMoment(natal.natal);
    (void)moment;
    return 0;
}
