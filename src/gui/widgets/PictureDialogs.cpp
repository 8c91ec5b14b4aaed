#include "gui/widgets/PictureDialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace vitalune::ui {

std::optional<QString> AskPictureFile(QWidget* parent, const QString& folder,
                                      const QString& filters, QString* selectedFilter) {
    QFileDialog dialog(parent, QString(), folder, filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (selectedFilter && !selectedFilter->isEmpty()) {
        dialog.selectNameFilter(*selectedFilter);
    }
    // The suffix follows the chosen file type, as the dialog adds it for names without one.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) {
                         const QString suffix = filter.section(QStringLiteral("*."), 1).left(3);
                         dialog.setDefaultSuffix(suffix);
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    if (selectedFilter) {
        *selectedFilter = dialog.selectedNameFilter();
    }
    return dialog.selectedFiles().first();
}

bool AskPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace vitalune::ui
