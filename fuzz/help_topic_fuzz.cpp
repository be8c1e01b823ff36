// A help topic of arbitrary bytes shown as a page of the buffer.
#include "fuzz_support.h"

#include "buffer/data_buffer.h"
#include "help/help_topic.h"

#include <cstdlib>

using namespace velmaris;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::WriteScratch(QStringLiteral("HINTS.HLP"), data, size);
    const domain::NoticeSink quiet = [](const domain::Notice&) {};
    domain::DataBuffer buffer(quiet);
    domain::WriteHelpTopic(fuzz::ScratchFolder().path(), QStringLiteral("HINTS.HLP"), buffer,
                           quiet);
    if (buffer.AllLineCount() > domain::kBufferLineLimit ||
        buffer.AllLines() != buffer.PageLines()) {
        std::abort();
    }
    return 0;
}
