// The desktop program: one instance per user, the main window, or a chart picture for scripts.
#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "app/gui/ExportChart.h"
#include "app/gui/GuiOptions.h"
#include "core/engine/Clock.h"
#include "core/files/DataFolder.h"
#include "core/help/HelpTopics.h"
#include "gui/help/HelpService.h"
#include "gui/main/MainKeyBlock.h"
#include "gui/main/TMainForm.h"
#include "gui/platform/QtSettingsStore.h"
#include "gui/platform/Shell.h"
#include "gui/platform/SingleInstance.h"
#include "gui/widgets/KeyDispatcher.h"

namespace {

using namespace vitalune;

void ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ui::kApplicationTitle), text,
                    QMessageBox::Ok);
    box.exec();
}

int RunExport(const app::GuiOptions& options) {
    QtSettingsStore store;
    store.SetReadOnly(true);
    SystemClock clock;
    const app::ExportContext context{&store, &clock,
                                     ResolveDataFolder(ProcessDataFolderInputs(options.dataDir)),
                                     ExecutableFolder()};
    const app::ExportResult result = app::ExportChart(*options.exportRequest, context);
    if (!result.message.empty()) {
        std::fprintf(stderr, "vitalune: %s\n", result.message.c_str());
    }
    return result.ExitCode();
}

int RunWindow(const app::GuiOptions& options) {
    SingleInstance instance;
    if (!instance.Acquire()) {
        return 0;  // the running program has been asked to come forward
    }
    QtSettingsStore store;
    SystemClock clock;
    ui::MainFormContext context;
    context.store = &store;
    context.clock = &clock;
    context.programFolder = ResolveDataFolder(ProcessDataFolderInputs(options.dataDir));
    context.executableFolder = ExecutableFolder();
    context.showMessage = ShowMessage;
    DesktopShell shell;
    context.shell = &shell;
    // Declared before the window so that it outlives the window's closing, which closes it.
    ui::HelpService help(FindHelpFolder(context.programFolder, context.executableFolder),
                         ShowMessage, &shell);
    ui::TMainForm form(context);
    form.SetHelpCloser([&help] { help.CloseHelpWindow(); });
    form.SetHelpTopicShower([&help](int topic) { help.ShowHelpTopic(topic); });
    ui::KeyDispatcher keys(&form);
    ui::AddMainWindowKeys(keys, form);
    keys.Install();
    QObject::connect(&instance, &SingleInstance::raiseRequested, &form, [&form] {
        form.showNormal();
        form.raise();
        form.activateWindow();
    });
    form.show();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    // An export never shows a window, so it needs no display.
    if (app::WantsExport(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Qor"));
    QCoreApplication::setApplicationName(QStringLiteral("Vitalune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VITALUNE_VERSION));

    const app::GuiOptions options = app::ParseGuiOptions(QCoreApplication::arguments());
    if (!options.error.empty()) {
        std::fprintf(stderr, "vitalune: %s\n", options.error.c_str());
        return 2;
    }
    return options.exportRequest ? RunExport(options) : RunWindow(options);
}
