#pragma once
// The desktop's own dialogs for the names editor's questions: file dialogs for names database
// files and the Yes/No/Cancel question box. The program hands these in; tests answer instead.

#include <QString>
#include <filesystem>
#include <optional>

#include "gui/people/TEditDBForm.h"

class QWidget;

namespace vitalune::ui {

std::optional<std::filesystem::path> AskOpenDatabaseFile(QWidget* parent, const QString& caption);
// Adds ".rec" to a name typed without an extension.
std::optional<std::filesystem::path> AskSaveDatabaseFile(QWidget* parent, const QString& caption);
Answer AskYesNoCancel(QWidget* parent, const QString& text, const QString& title);

}  // namespace vitalune::ui
