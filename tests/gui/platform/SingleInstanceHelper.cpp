// A stand-in program for the single-instance tests: takes the name given, says "first" when it
// is the first instance and "raised" when a later one asked it to come forward. Exit code 3
// means it found another instance.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>

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
    QObject::connect(&instance, &vitalune::SingleInstance::raiseRequested, &app, [] {
        std::puts("raised");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(4); });
    return app.exec();
}
