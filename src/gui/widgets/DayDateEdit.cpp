#include "gui/widgets/DayDateEdit.h"

#include <QDateEdit>

#include "core/engine/Date.h"

namespace vitalune::ui {

QDate ToQDate(std::int32_t day) {
    const CivilDate c = DecodeDate(ClampDay(day));
    return QDate(c.year, c.month, c.day);
}

std::int32_t FromQDate(QDate date) {
    return TryEncodeDate(date.year(), date.month(), date.day()).value_or(0);
}

QDateEdit* DayDateEdit(const char* objectName, const QString& accessibleName) {
    auto* edit = new QDateEdit;
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setAccessibleName(accessibleName);
    edit->setDisplayFormat(QStringLiteral("dd MMM yyyy"));
    edit->setCalendarPopup(true);
    edit->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    return edit;
}

}  // namespace vitalune::ui
