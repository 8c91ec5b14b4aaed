#include "gui/platform/ReminderSchedule.h"

#include <QProcess>
#include <QStringList>
#include <cstdlib>
#include <system_error>

#include "core/files/AtomicFile.h"
#include "gui/platform/DesktopId.h"

namespace vitalune {

namespace {

namespace fs = std::filesystem;

fs::path UnitFolder(const ReminderPlace& place) {
    return place.configHome / "systemd" / "user";
}
fs::path UnitFile(const ReminderPlace& place, std::string_view suffix) {
    return UnitFolder(place) / (std::string{kReminderUnit} + std::string{suffix});
}
fs::path WantsLink(const ReminderPlace& place) {
    return UnitFolder(place) / "timers.target.wants" / (std::string{kReminderUnit} + ".timer");
}
fs::path AutostartFile(const ReminderPlace& place) {
    return place.configHome / "autostart" / (std::string{kDesktopId} + ".remind.desktop");
}

// A word of a unit's command line: quoted, with systemd's specifiers and variables kept
// literal.
std::string UnitWord(const std::string& word) {
    std::string out = "\"";
    for (const char c : word) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c == '%' ? std::string{"%%"} : c == '$' ? std::string{"$$"} : std::string{c};
    }
    return out + '"';
}

// A word of a desktop entry's Exec: quoted as its rules ask, then escaped once more as any
// string value of the file is.
std::string ExecWord(const std::string& word) {
    std::string quoted = "\"";
    for (const char c : word) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            quoted += '\\';
        }
        quoted += c == '%' ? std::string{"%%"} : std::string{c};
    }
    quoted += '"';
    std::string out;
    for (const char c : quoted) {
        out += c == '\\' ? std::string{"\\\\"} : std::string{c};
    }
    return out;
}

std::string Joined(const std::vector<std::string>& command,
                   std::string (*word)(const std::string&)) {
    std::string line;
    for (const std::string& w : command) {
        line += (line.empty() ? "" : " ") + word(w);
    }
    return line;
}

std::string WriteFile(const fs::path& file, const std::string& content) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec) {
        return "cannot make the folder " + file.parent_path().string() + ": " + ec.message();
    }
    const FileResult written = WriteFileAtomically(file, content);
    return written ? std::string{} : written.error;
}

std::string RemoveFile(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    // A path through a file cannot name anything to remove.
    return ec && ec != std::errc::not_a_directory
               ? "cannot remove " + file.string() + ": " + ec.message()
               : std::string{};
}

std::string InstallTimer(const ReminderPlace& place) {
    std::string error = WriteFile(UnitFile(place, ".service"), ReminderServiceText(place.command));
    if (error.empty()) {
        error = WriteFile(UnitFile(place, ".timer"), ReminderTimerText());
    }
    // Enabled as "systemctl enable" would, so that it holds from the next log-in even when
    // systemctl cannot be reached now.
    std::error_code ec;
    const fs::path link = WantsLink(place);
    if (error.empty()) {
        fs::create_directories(link.parent_path(), ec);
        fs::remove(link, ec);
        fs::create_symlink(UnitFile(place, ".timer"), link, ec);
        if (ec) {
            error = "cannot enable " + link.string() + ": " + ec.message();
        }
    }
    return error;
}

}  // namespace

ReminderPlace SessionReminderPlace(const std::string& program, const std::string& dataDir) {
    ReminderPlace place;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    place.configHome =
        config && *config ? fs::path(config) : fs::path(home ? home : "") / ".config";
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    std::error_code ec;
    place.systemdUser = runtime && *runtime && fs::exists(fs::path(runtime) / "systemd", ec);
    place.command = {program, "--remind"};
    if (!dataDir.empty()) {
        place.command.insert(place.command.end(), {"--data-dir", dataDir});
    }
    place.systemctl = [](const std::vector<std::string>& args) {
        QStringList arguments{QStringLiteral("--user")};
        for (const std::string& a : args) {
            arguments << QString::fromStdString(a);
        }
        QProcess process;
        process.start(QStringLiteral("systemctl"), arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    };
    return place;
}

std::string ReminderServiceText(const std::vector<std::string>& command) {
    return "[Unit]\n"
           "Description=Vitalune: tell who has a critical day today or tomorrow\n"
           "\n"
           "[Service]\n"
           "Type=oneshot\n"
           "ExecStart=" +
           Joined(command, UnitWord) + "\n";
}

std::string ReminderTimerText() {
    return "[Unit]\n"
           "Description=Vitalune: remind of critical days every morning and at log-in\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=*-*-* 08:00:00\n"
           "OnStartupSec=1min\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n";
}

std::string ReminderAutostartText(const std::vector<std::string>& command) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Vitalune reminder\n"
           "Comment=Tells at log-in who has a critical day today or tomorrow\n"
           "Exec=" +
           Joined(command, ExecWord) +
           "\n"
           "Icon=vitalune\n"
           "Terminal=false\n"
           "NoDisplay=true\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string InstallReminder(const ReminderPlace& place) {
    // One kind at a time: the other may be left from a desktop used before.
    std::string error = RemoveReminder(place);
    if (!error.empty()) {
        return error;
    }
    if (!place.systemdUser) {
        error = WriteFile(AutostartFile(place), ReminderAutostartText(place.command));
    } else if (error = InstallTimer(place); error.empty() && place.systemctl) {
        place.systemctl({"daemon-reload"});
        place.systemctl({"start", std::string{kReminderUnit} + ".timer"});
    }
    if (!error.empty()) {
        RemoveReminder(place);
    }
    return error;
}

std::string RemoveReminder(const ReminderPlace& place) {
    std::error_code ec;
    const bool timer =
        fs::exists(UnitFile(place, ".timer"), ec) || fs::is_symlink(WantsLink(place), ec);
    if (timer && place.systemdUser && place.systemctl) {
        place.systemctl({"stop", std::string{kReminderUnit} + ".timer"});
    }
    std::string error;
    for (const fs::path& file : {WantsLink(place), UnitFile(place, ".timer"),
                                 UnitFile(place, ".service"), AutostartFile(place)}) {
        if (std::string why = RemoveFile(file); error.empty()) {
            error = std::move(why);
        }
    }
    if (timer && place.systemdUser && place.systemctl) {
        place.systemctl({"daemon-reload"});
    }
    return error;
}

}  // namespace vitalune
