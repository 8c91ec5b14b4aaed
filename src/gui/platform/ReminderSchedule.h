#pragma once
// Runs the reminder ("vitalune --remind") every morning and at log-in: a systemd user timer
// where systemd runs for the user, else an entry the desktop starts at log-in. Only the
// options dialog installs it, when the user switches reminders on; switching off removes
// both kinds, so a desktop that changed meanwhile leaves nothing behind.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vitalune {

inline constexpr std::string_view kReminderUnit = "vitalune-remind";

struct ReminderPlace {
    std::filesystem::path configHome;  // $XDG_CONFIG_HOME, else ~/.config
    bool systemdUser = false;          // a systemd user manager runs
    // The reminder's command: the program's path first, then its arguments.
    std::vector<std::string> command;
    // "systemctl --user ARGS"; false when it failed. The files work without it from the next
    // log-in on.
    std::function<bool(const std::vector<std::string>& args)> systemctl;
};

// The place of this session: the environment, this program, and the real systemctl.
// `dataDir`, when the user named one, goes into the command so that the reminder reads the
// same database.
ReminderPlace SessionReminderPlace(const std::string& program, const std::string& dataDir);

// The files as written (for tests and for the help page's example).
std::string ReminderServiceText(const std::vector<std::string>& command);
std::string ReminderTimerText();
std::string ReminderAutostartText(const std::vector<std::string>& command);

// Empty when done, else what failed (nothing of a half install is left behind).
std::string InstallReminder(const ReminderPlace& place);
std::string RemoveReminder(const ReminderPlace& place);

}  // namespace vitalune
