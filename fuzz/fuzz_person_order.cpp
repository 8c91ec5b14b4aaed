// The person order's shortcuts decide exactly as ICU does, for any two texts.
#include <cstdlib>
#include <string_view>

#include "core/db/PersonCollator.h"
#include "core/text/Encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using vitalune::PersonCollator;
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t bar = all.find('\0');
    if (bar == std::string_view::npos) {
        return 0;
    }
    const std::string_view a = all.substr(0, bar);
    const std::string_view b = all.substr(bar + 1);
    if (!vitalune::IsValidUtf8(a) || !vitalune::IsValidUtf8(b)) {
        return 0;
    }
    const PersonCollator& order = PersonCollator::Instance();
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    const int icu = sign(order.CompareByIcu(a, b));
    if (sign(order.Compare(a, b)) != icu ||
        sign(order.Compare(a, order.PrefixOf(a), b, order.PrefixOf(b))) != icu) {
        std::abort();
    }
    return 0;
}
