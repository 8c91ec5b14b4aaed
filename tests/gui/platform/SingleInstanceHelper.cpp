// A stand-in program for the single-instance tests: takes the name given, says "first" when it
// is the first instance and "raised" when a later one asked it to come forward, then ends
// (given "stay" as well, it runs on until killed). Exit code 3 means it found another instance.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "gui/platform/SingleInstance.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    vitalune::SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (!instance.Acquire()) {
        return 3;
    }
    std::puts("first");
    std::fflush(stdout);
    const bool stay = argc > 2 && std::string_view{argv[2]} == "stay";
    QObject::connect(&instance, &vitalune::SingleInstance::raiseRequested, &app, [stay] {
        std::puts("raised");
        std::fflush(stdout);
        if (!stay) {
            QCoreApplication::quit();
        }
    });
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(4); });
    return app.exec();
}
