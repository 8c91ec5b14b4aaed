#include "core/text/StatusTexts.h"

#include "core/engine/AgeDifference.h"
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

}  // namespace vitalune
