// Any text read back as a pen either fails or gives a pen in range that survives a round trip.
#include <cstdlib>
#include <string_view>

#include "core/settings/ChartAttrib.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vitalune::ChartAttrib record;
    if (vitalune::ParseChartAttrib(text, record)) {
        if (record.style < 0 || record.style > 4 || record.width < 1 || record.width > 3) {
            std::abort();
        }
        vitalune::ChartAttrib again;
        if (!vitalune::ParseChartAttrib(vitalune::FormatChartAttrib(record), again) ||
            !(again == record)) {
            std::abort();
        }
    }
    return 0;
}
