#include <QCoreApplication>
#include <QTest>

int RunQtSettingsStoreTests(int argc, char** argv);
int RunSingleInstanceTests(int argc, char** argv);
int RunReminderScheduleTests(int argc, char** argv);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    int failed = RunQtSettingsStoreTests(argc, argv);
    failed += RunSingleInstanceTests(argc, argv);
    failed += RunReminderScheduleTests(argc, argv);
    return failed;
}
