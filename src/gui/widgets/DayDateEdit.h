#pragma once
// The program's date fields: "dd MMM yyyy" with a calendar pop-up over the days the program can
// reckon with (1 Jan 0001 to 31 Dec 9999), and the conversion between their dates and the
// program's day numbers.

#include <QDate>
#include <cstdint>

class QDateEdit;
class QString;

namespace vitalune::ui {

// A day outside the range gives its nearest end.
QDate ToQDate(std::int32_t day);
// A date outside the program's range gives day 0.
std::int32_t FromQDate(QDate date);

QDateEdit* DayDateEdit(const char* objectName, const QString& accessibleName);

}  // namespace vitalune::ui
