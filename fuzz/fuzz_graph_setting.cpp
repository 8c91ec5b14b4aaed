// Any stored graph setting reads as a pair in range that survives a round trip.
#include <cstdlib>
#include <string_view>

#include "core/settings/AppSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vitalune::GraphSetting setting = vitalune::ParseGraphSetting(text);
    if (setting.mode < 0 || setting.mode > 2 || setting.flag < 0 || setting.flag > 1) {
        std::abort();
    }
    if (!(vitalune::ParseGraphSetting(vitalune::FormatGraphSetting(setting)) == setting)) {
        std::abort();
    }
    return 0;
}
