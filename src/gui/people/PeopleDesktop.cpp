#include "gui/people/PeopleDesktop.h"

#include <QFileDialog>
#include <QMessageBox>

namespace vitalune::ui {

namespace {

std::optional<std::filesystem::path> RunFileDialog(QWidget* parent, const QString& caption,
                                                   QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, caption, QString(), QString::fromLatin1(kDbFileFilter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("rec"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

}  // namespace

std::optional<std::filesystem::path> AskOpenDatabaseFile(QWidget* parent, const QString& caption) {
    return RunFileDialog(parent, caption, QFileDialog::AcceptOpen);
}

std::optional<std::filesystem::path> AskSaveDatabaseFile(QWidget* parent, const QString& caption) {
    return RunFileDialog(parent, caption, QFileDialog::AcceptSave);
}

Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title) {
    switch (QMessageBox::question(parent, title, text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

}  // namespace vitalune::ui
