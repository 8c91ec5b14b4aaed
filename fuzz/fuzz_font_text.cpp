// Font texts never crash the reader, and whatever it accepts formats back to itself.
#include <cstdlib>
#include <string_view>

#include "core/settings/FontText.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto font = vitalune::ParseFontText(text);
    if (font) {
        const auto again = vitalune::ParseFontText(vitalune::FormatFontText(*font));
        if (!again || !(*again == *font)) {
            std::abort();
        }
    }
    return 0;
}
