#include "core/text/StatusTexts.h"

#include <algorithm>

#include "core/engine/AgeDifference.h"
#include "core/engine/Date.h"
#include "core/engine/DateText.h"

namespace vitalune {

std::string PersonDobText(std::int32_t birth) {
    return " Person's DOB: " + DateText(birth);
}

std::string SecondPersonDobText(std::int32_t birth) {
    return " Second person's DOB: " + DateText(birth);
}

std::string AgeDifferencePanelText(std::int32_t birthOne, std::int32_t birthTwo) {
    return AgeDifferenceText(ComputeAgeDifference(birthOne, birthTwo));
}

std::vector<std::string> LongestStatusTexts(std::size_t panel) {
    std::vector<std::string> texts;
    for (int digit = 1; digit <= 9; ++digit) {
        if (panel == 2) {
            // Three-digit years cover everyone a names database holds, the oldest celebrities
            // included; a longer difference widens the panel when it comes.
            texts.push_back(AgeDifferenceText({111 * digit, 11, 30}));
            continue;
        }
        if (panel > 1) {
            break;
        }
        for (int month = 1; month <= 12; ++month) {
            const std::int32_t day = EncodeDate(1111 * digit, month, 20 + std::min(digit, 8));
            texts.push_back(panel == 0 ? PersonDobText(day) : SecondPersonDobText(day));
        }
    }
    return texts;
}

}  // namespace vitalune
