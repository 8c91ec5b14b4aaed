#include "core/dayreport/DayTexts.h"

namespace vitalune {

namespace detail {

#include "core/dayreport/DayTextsData.inc"
#include "core/dayreport/NoteTextsData.inc"

constexpr std::string_view kExtremeTitles[12] = {
    "Critical combination", "Critical combination", "Three maxima",         "Three minima",
    "Physical minimum",     "Emotional minimum",    "Intellectual minimum", "Intuitive minimum",
    "Physical maximum",     "Emotional maximum",    "Intellectual maximum", "Intuitive maximum",
};

constexpr std::string_view kInstabilityTitles[4] = {
    "Physical instability",
    "Emotional instability",
    "Intellectual instability",
    "Intuitive instability",
};

}  // namespace detail

namespace {
bool InRange(int i, int n) {
    return i >= 0 && i < n;
}
}  // namespace

std::string_view DayTexts::Text(int combination, int variant) {
    if (!InRange(combination, 16) || !InRange(variant, kDayTextVariants)) {
        return {};
    }
    if (combination % 2 == 1 && variant == 2) {
        --combination;
    }
    return detail::kDayTexts[combination][variant];
}

std::string_view DayTexts::At(int index) {
    return InRange(index, kDayTextCount) ? Text(index / 3, index % 3) : std::string_view{};
}

std::string_view ExtremeTexts::Title(int index) {
    return InRange(index, 12) ? detail::kExtremeTitles[index] : std::string_view{};
}

std::string_view ExtremeTexts::Body(int index) {
    return InRange(index, 12) ? detail::kExtremeBodies[index] : std::string_view{};
}

std::string_view InstabilityTexts::Title(int primary) {
    return InRange(primary, 4) ? detail::kInstabilityTitles[primary] : std::string_view{};
}

std::string_view InstabilityTexts::Body(int primary) {
    return InRange(primary, 4) ? detail::kInstabilityBodies[primary] : std::string_view{};
}

}  // namespace vitalune
