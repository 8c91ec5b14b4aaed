// vitalune-help-preview [TOPIC]: the help window on its own, at a topic (default 0), with the
// pages the program would use. Ends when the window is closed.
#include <QApplication>
#include <QStringList>
#include <cstdio>

#include "core/files/DataFolder.h"
#include "core/help/HelpTopics.h"
#include "gui/help/HelpService.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool ok = true;
    const int topic = args.size() > 1 ? args.at(1).toInt(&ok) : 0;
    if (!ok) {
        std::fprintf(stderr, "usage: vitalune-help-preview [TOPIC]\n");
        return 2;
    }
    using namespace vitalune;
    const auto folder = FindHelpFolder(ResolveDataFolder(ProcessDataFolderInputs(std::nullopt)),
                                       ExecutableFolder());
    bool shown = true;
    ui::HelpService help(folder, [&shown](const QString& text) {
        shown = false;
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    });
    help.ShowHelpTopic(topic);
    return shown ? QApplication::exec() : 1;
}
