#pragma once
// The dialogs around picture output that the chart and the calendar share: choosing the file a
// picture is saved to, and the printer.

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace vitalune::ui {

// The save dialog over `filters` (PictureFileFilters or more), BMP the default type. The file
// name chosen, nothing on cancel; selectedFilter comes in as the type to preselect and goes out
// as the one chosen.
std::optional<QString> AskPictureFile(QWidget* parent, const QString& folder,
                                      const QString& filters, QString* selectedFilter);

// The print dialog, setting up `printer`; false on cancel.
bool AskPrinter(QWidget* parent, QPrinter& printer);

}  // namespace vitalune::ui
