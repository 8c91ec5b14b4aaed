#include "core/engine/CompatTexts.h"

#include <string_view>

namespace vitalune {

namespace detail {

#include "core/engine/CompatTextsData.inc"

constexpr std::string_view kCompatTitles[9] = {
    "All three primary rhythms are incompatible",
    "Physical biorhythms are compatible",
    "Emotional biorhythms are compatible",
    "Emotional and physical biorhythms are compatible",
    "Intellectual biorhythms are compatible",
    "Intellectual and physical biorhythms are compatible",
    "Intellectual and emotional biorhythms are compatible",
    "All primary rhythms are compatible",
    "All primary rhythms are compatible \n Perfect match!",
};

}  // namespace detail

namespace {
bool InRange(int i, int n) {
    return i >= 0 && i < n;
}
}  // namespace

std::string_view CompatTexts::Title(CompatCombination combination) {
    return InRange(combination, 9) ? detail::kCompatTitles[combination] : std::string_view{};
}

std::string_view CompatTexts::Body(CompatCombination combination) {
    return InRange(combination, 9) ? detail::kCompatBodies[combination] : std::string_view{};
}

std::string_view CompatTexts::Paragraph(int primary, bool compatible) {
    return InRange(primary, 3) ? detail::kCompatParagraphs[primary][compatible ? 0 : 1]
                               : std::string_view{};
}

}  // namespace vitalune
