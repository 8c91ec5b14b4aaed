#include "gui/people/PeopleDesktop.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace vitalune::ui {

namespace {

std::optional<std::filesystem::path> RunFileDialog(
    QWidget* parent, const QString& caption, QFileDialog::AcceptMode mode,
    const std::filesystem::path& folder,
    const QString& filter = QString::fromLatin1(kDbFileFilter)) {
    QFileDialog dialog(parent, caption, QString::fromStdString(folder.string()), filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("rec"));
    if (mode == QFileDialog::AcceptSave && filter.contains(QStringLiteral("*.vcf"))) {
        // A name typed without a suffix gets the one of the type chosen below the list.
        dialog.setDefaultSuffix(QStringLiteral("vcf"));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& chosen) {
                             dialog.setDefaultSuffix(chosen.contains(QStringLiteral("*.csv"))
                                                         ? QStringLiteral("csv")
                                                         : QStringLiteral("vcf"));
                         });
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

}  // namespace

std::optional<std::filesystem::path> AskOpenDatabaseFile(QWidget* parent, const QString& caption,
                                                         const std::filesystem::path& folder) {
    return RunFileDialog(parent, caption, QFileDialog::AcceptOpen, folder);
}

std::optional<std::filesystem::path> AskSaveDatabaseFile(QWidget* parent, const QString& caption,
                                                         const std::filesystem::path& folder) {
    return RunFileDialog(parent, caption, QFileDialog::AcceptSave, folder);
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

std::optional<std::filesystem::path> AskOpenContactsFile(QWidget* parent, const QString& caption) {
    // Address books export into the user's own folders, not the program's.
    return RunFileDialog(parent, caption, QFileDialog::AcceptOpen, QDir::homePath().toStdString(),
                         QStringLiteral("Contacts (*.vcf *.vcard *.csv);;All files (*)"));
}

std::optional<std::filesystem::path> AskSaveContactsFile(QWidget* parent, const QString& caption) {
    return RunFileDialog(parent, caption, QFileDialog::AcceptSave, QDir::homePath().toStdString(),
                         QStringLiteral("vCard 4.0 (*.vcf);;CSV (*.csv)"));
}

std::optional<QString> AskImportGroup(QWidget* parent, const QStringList& groups,
                                      const QString& suggested) {
    QStringList items = groups;
    if (!items.contains(suggested)) {
        items.prepend(suggested);
    }
    bool ok = false;
    const QString chosen = QInputDialog::getItem(
        parent, QStringLiteral("Import contacts"),
        QStringLiteral("Group for the imported persons (choose one or type a new name):"), items,
        static_cast<int>(items.indexOf(suggested)), true, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return chosen;
}

void ShowReport(QWidget* parent, const QString& text, const QString& details) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Vitalune"), text, QMessageBox::Ok,
                    parent);
    box.setDetailedText(details);
    box.exec();
}

}  // namespace vitalune::ui
