// Command-line dates: either a reason or a valid day that prints and reads back the same.
#include <cstdlib>
#include <string_view>

#include "core/engine/Date.h"
#include "core/engine/DateInput.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto parsed = vitalune::ParseDateInput(text);
    if (const auto* day = std::get_if<std::int32_t>(&parsed)) {
        if (!vitalune::IsInDateRange(*day)) {
            std::abort();
        }
        const auto again = vitalune::ParseDateInput(vitalune::IsoDateText(*day));
        if (std::get<std::int32_t>(again) != *day) {
            std::abort();
        }
    } else if (std::get<std::string>(parsed).empty()) {
        std::abort();
    }
    return 0;
}
