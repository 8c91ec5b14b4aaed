#include "ui/main/StatusTexts.h"

#include "engine/AgeDifference.h"
#include "engine/DateText.h"

namespace vitalune::ui {

std::string PersonDobText(std::int32_t birth) {
    return " Person's DOB: " + DateText(birth);
}

std::string SecondPersonDobText(std::int32_t birth) {
    return " Second person's DOB: " + DateText(birth);
}

std::string AgeDifferencePanelText(std::int32_t birthOne, std::int32_t birthTwo) {
    return AgeDifferenceText(ComputeAgeDifference(birthOne, birthTwo));
}

}  // namespace vitalune::ui
