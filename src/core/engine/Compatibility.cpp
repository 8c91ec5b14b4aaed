#include "core/engine/Compatibility.h"

#include <cstdlib>

#include "core/engine/Rhythm.h"

namespace vitalune {

CompatibilityResult ComputeCompatibility(DateTime birthA, DateTime birthB) {
    const std::int64_t a = WholeDay(birthA);
    const std::int64_t b = WholeDay(birthB);
    const std::int64_t distance = a > b ? a - b : b - a;
    CompatibilityResult result;
    auto& v = result.values;
    std::size_t field = 0;
    for (const int period : kCompatPeriods) {
        if (field == static_cast<std::size_t>(CompatField::Overall)) {
            ++field;
        }
        const double r = static_cast<double>(distance % period);
        const double half = period / 2.0;
        v[field++] = RoundHalfUp(std::abs(r - half) / half * 100);
    }
    v[4] = RoundHalfUp(static_cast<double>(v[0] + v[1] + v[2]) / 3);
    return result;
}

CompatRating RateCompatibility(std::int32_t percent) {
    if (percent >= 80) {
        return CompatRating::Excellent;
    }
    if (percent >= 60) {
        return CompatRating::Good;
    }
    if (percent < 20) {
        return CompatRating::None;
    }
    return CompatRating::Weak;
}

namespace {

struct RatingRow {
    std::string_view label;
    std::uint32_t screenColour;
    std::string_view htmlColour;
    int pictureIndex;
};

const RatingRow& Row(CompatRating rating) {
    static constexpr RatingRow kRows[] = {
        {"Excellent", 0x008000, "#008000", 3},
        {"Good", 0x808000, "#008080", 2},
        {"Weak", 0x000080, "#800000", 1},
        {"None", 0x000000, "#000000", 4},
    };
    return kRows[static_cast<int>(rating)];
}

}  // namespace

std::string_view RatingLabel(CompatRating rating) {
    return Row(rating).label;
}

std::uint32_t RatingScreenColour(CompatRating rating) {
    return Row(rating).screenColour;
}

std::string_view RatingHtmlColour(CompatRating rating) {
    return Row(rating).htmlColour;
}

int RatingPictureIndex(CompatRating rating) {
    return Row(rating).pictureIndex;
}

int CompatPictureIndex(CompatRating rating, PictureScheme scheme) {
    return RatingPictureIndex(rating) + AnyPictureIndex(scheme);
}

int AnyPictureIndex(PictureScheme scheme) {
    return 5 * static_cast<int>(scheme);
}

CompatCombination SelectCombination(std::int32_t physical, std::int32_t emotional,
                                    std::int32_t intellectual) {
    int index = (physical >= kCompatibleFrom ? 1 : 0) + (emotional >= kCompatibleFrom ? 2 : 0) +
                (intellectual >= kCompatibleFrom ? 4 : 0);
    if (index == 7 && physical >= 80 && emotional >= 80 && intellectual >= 80) {
        index = 8;
    }
    return index;
}

}  // namespace vitalune
