#pragma once
// The desktop's own dialogs for the names editor's questions: file dialogs for names database
// files and the Yes/No/Cancel question box. The program hands these in; tests answer instead.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

#include "gui/people/TEditDBForm.h"

class QWidget;

namespace vitalune::ui {

// Both start in `folder` (the program's data folder).
std::optional<std::filesystem::path> AskOpenDatabaseFile(QWidget* parent, const QString& caption,
                                                         const std::filesystem::path& folder);
// Adds ".rec" to a name typed without an extension.
std::optional<std::filesystem::path> AskSaveDatabaseFile(QWidget* parent, const QString& caption,
                                                         const std::filesystem::path& folder);
Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title);

// Address books' files: vCard or CSV to read; vCard 4.0 or CSV to write, by the chosen type.
std::optional<std::filesystem::path> AskOpenContactsFile(QWidget* parent, const QString& caption);
std::optional<std::filesystem::path> AskSaveContactsFile(QWidget* parent, const QString& caption);
// The group that imported contacts go to: one of `groups` or a new name typed.
std::optional<QString> AskImportGroup(QWidget* parent, const QStringList& groups,
                                      const QString& suggested);
// A message with a longer list the user may open (the contacts an import skipped).
void ShowReport(QWidget* parent, const QString& text, const QString& details);

}  // namespace vitalune::ui
