#pragma once
// The two small look-up buttons beside a person's group list: ask the web about the person,
// find pictures of them.

class QHBoxLayout;
class QToolButton;

namespace vitalune::ui {

inline constexpr const char* kAskWebHint = "Ask Web about this person ";
inline constexpr const char* kFindImagesHint = "Find suitable images";

struct WebButtons {
    QToolButton* info = nullptr;      // GetInfo1Btn / GetInfo2Btn
    QToolButton* pictures = nullptr;  // GetPict1Btn / GetPict2Btn
};

// `person` is 1 or 2; it picks the object names.
WebButtons AddWebButtons(QHBoxLayout& row, int person);

}  // namespace vitalune::ui
