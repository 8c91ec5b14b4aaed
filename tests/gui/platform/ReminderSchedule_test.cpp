#include "gui/platform/ReminderSchedule.h"

#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

using namespace vitalune;
namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The line of `text` that starts with `key`, without its end.
std::string Line(const std::string& text, const std::string& key) {
    const auto at = text.find("\n" + key);
    return at == std::string::npos ? std::string{}
                                   : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

}  // namespace

class ReminderScheduleTest : public QObject {
    Q_OBJECT
  private slots:
    void timerWhereSystemdRuns();
    void autostartElseAndSwitchingKinds();
    void failedInstallLeavesNothing();

  private:
    ReminderPlace Place(bool systemd) {
        ReminderPlace place;
        place.configHome = fs::path(m_dir.path().toStdString()) / "config";
        place.systemdUser = systemd;
        // A path with a space, and a folder name with characters both formats treat
        // specially.
        place.command = {"/opt/my apps/vitalune", "--remind", "--data-dir", "/d/a$b 100%"};
        place.systemctl = [this](const std::vector<std::string>& args) {
            std::string call;
            for (const std::string& a : args) {
                call += (call.empty() ? "" : " ") + a;
            }
            m_calls.push_back(call);
            return true;
        };
        return place;
    }
    fs::path Config(const char* relative) const {
        return fs::path(m_dir.path().toStdString()) / "config" / relative;
    }
    QTemporaryDir m_dir;
    std::vector<std::string> m_calls;
};

void ReminderScheduleTest::timerWhereSystemdRuns() {
    const ReminderPlace place = Place(true);
    QCOMPARE(InstallReminder(place), std::string{});
    const std::string service = Read(Config("systemd/user/vitalune-remind.service"));
    QCOMPARE(Line(service, "ExecStart="),
             std::string{R"(ExecStart="/opt/my apps/vitalune" "--remind" "--data-dir" )"
                         R"("/d/a$$b 100%%")"});
    const std::string timer = Read(Config("systemd/user/vitalune-remind.timer"));
    QCOMPARE(Line(timer, "OnCalendar="), std::string{"OnCalendar=*-*-* 08:00:00"});
    QCOMPARE(Line(timer, "OnStartupSec="), std::string{"OnStartupSec=1min"});
    const fs::path link = Config("systemd/user/timers.target.wants/vitalune-remind.timer");
    QVERIFY(fs::is_symlink(link));
    QCOMPARE(fs::read_symlink(link), Config("systemd/user/vitalune-remind.timer"));
    QVERIFY(!fs::exists(Config("autostart")));
    QCOMPARE(m_calls, (std::vector<std::string>{"daemon-reload", "start vitalune-remind.timer"}));

    m_calls.clear();
    QCOMPARE(RemoveReminder(place), std::string{});
    QVERIFY(!fs::exists(link) && !fs::is_symlink(link));
    QVERIFY(fs::is_empty(Config("systemd/user/timers.target.wants")));
    QCOMPARE(std::distance(fs::directory_iterator(Config("systemd/user")), {}), 1);
    QCOMPARE(m_calls, (std::vector<std::string>{"stop vitalune-remind.timer", "daemon-reload"}));
}

void ReminderScheduleTest::autostartElseAndSwitchingKinds() {
    QCOMPARE(InstallReminder(Place(true)), std::string{});
    m_calls.clear();
    const ReminderPlace place = Place(false);
    QCOMPARE(InstallReminder(place), std::string{});
    const fs::path entry = Config("autostart/com.qor.vitalune.remind.desktop");
    QCOMPARE(Line(Read(entry), "Exec="),
             std::string{R"(Exec="/opt/my apps/vitalune" "--remind" "--data-dir" )"
                         R"("/d/a\\$b 100%%")"});
    // The timer of the desktop used before is gone, and systemctl was not asked for.
    QVERIFY(!fs::exists(Config("systemd/user/vitalune-remind.timer")));
    QVERIFY(m_calls.empty());
    QCOMPARE(RemoveReminder(place), std::string{});
    QVERIFY(!fs::exists(entry));
}

void ReminderScheduleTest::failedInstallLeavesNothing() {
    ReminderPlace place = Place(true);
    // "systemd" is a file, so the unit folder cannot be made.
    place.configHome = fs::path(m_dir.path().toStdString()) / "blocked";
    fs::create_directories(place.configHome);
    std::ofstream(place.configHome / "systemd") << "x";
    const std::string error = InstallReminder(place);
    QVERIFY2(error.find("cannot make the folder") == 0, error.c_str());
    QVERIFY(!fs::exists(place.configHome / "autostart"));
    QVERIFY(m_calls.empty());
}

int RunReminderScheduleTests(int argc, char** argv) {
    ReminderScheduleTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ReminderSchedule_test.moc"
