// The desktop program: one instance per user, the main window, or a chart picture for scripts.
#include <QApplication>
#include <QMessageBox>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "app/gui/ExportChart.h"
#include "app/gui/GuiOptions.h"
#include "app/gui/Remind.h"
#include "core/db/PersonLine.h"
#include "core/engine/Clock.h"
#include "core/files/DataFolder.h"
#include "core/help/HelpTopics.h"
#include "core/reports/ForecastReport.h"
#include "core/reports/Reminder.h"
#include "gui/calendar/TCFont.h"
#include "gui/calendar/TCalendar.h"
#include "gui/dayinfo/TDayInfo.h"
#include "gui/forecast/TFindDays.h"
#include "gui/help/HelpService.h"
#include "gui/help/TAboutBox.h"
#include "gui/help/TTipsForm.h"
#include "gui/main/MainKeyBlock.h"
#include "gui/main/TMainForm.h"
#include "gui/matching/TMatchForm.h"
#include "gui/people/PeopleDesktop.h"
#include "gui/people/PeopleKeys.h"
#include "gui/people/TDOBForm.h"
#include "gui/people/TEditDBForm.h"
#include "gui/people/TNewGroupForm.h"
#include "gui/people/TNewPersForm.h"
#include "gui/people/TSelForm.h"
#include "gui/people/TSelectGroupForm.h"
#include "gui/platform/QtSettingsStore.h"
#include "gui/platform/ReminderSchedule.h"
#include "gui/platform/Shell.h"
#include "gui/platform/SingleInstance.h"
#include "gui/settings/TCColors.h"
#include "gui/settings/TSettingForm.h"
#include "gui/widgets/KeyDispatcher.h"

namespace {

using namespace vitalune;

void ShowMessage(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(ui::kApplicationTitle), text,
                    QMessageBox::Ok);
    box.exec();
}

// The runs without a window read the user's settings and database and change neither.
int RunWithoutWindow(const app::GuiOptions& options) {
    QtSettingsStore store;
    store.SetReadOnly(true);
    SystemClock clock;
    const DataFolderInputs folderInputs = ProcessDataFolderInputs(options.dataDir);
    const app::ExportContext context{&store, &clock, ResolveDataFolder(folderInputs),
                                     ExecutableFolder(), DataFolderGiven(folderInputs)};
    if (options.remindRequest) {
        return app::RunRemind(*options.remindRequest, context, QDBusConnection::sessionBus());
    }
    const app::ExportResult result = options.exportRequest
                                         ? app::ExportChart(*options.exportRequest, context)
                                         : app::ExportCalendar(*options.calendarRequest, context);
    if (!result.message.empty()) {
        std::fprintf(stderr, "vitalune: %s\n", result.message.c_str());
    }
    return result.ExitCode();
}

// A current person of the main window with the date text and sex of its database line.
ui::DayInfoPerson DayInfoPersonOf(ui::TMainForm& form, const ui::CurrentPerson& person) {
    ui::DayInfoPerson out{person.name, static_cast<DateTime>(person.birth), FormatDob(person.birth),
                          ""};
    const NamesDatabase& db = form.Database();
    if (person.group >= 0 && static_cast<std::size_t>(person.group) < db.GroupCount()) {
        const PersonList& persons = db.Persons(static_cast<std::size_t>(person.group));
        if (person.index >= 0 && static_cast<std::size_t>(person.index) < persons.size()) {
            Person line = SplitPersonLine(persons[static_cast<std::size_t>(person.index)]);
            if (line.name == person.name) {
                out.dateText = std::move(line.dateText);
                out.sex = std::move(line.sex);
            }
        }
    }
    return out;
}

// Whom the reminder may watch: each group, and the persons the main window shows.
std::vector<ui::ReminderChoice> ReminderChoices(ui::TMainForm& form) {
    std::vector<ui::ReminderChoice> choices;
    const NamesDatabase& db = form.Database();
    for (const std::string& entry : db.Groups()) {
        const std::string group = ParseGroupEntry(entry).name;
        choices.push_back({"Group: " + group, {true, group, ""}});
    }
    for (const auto& [which, person] :
         {std::pair{"Person one: ", &form.PersonOne()}, {"Person two: ", &form.PersonTwo()}}) {
        if (person->group >= 0 && static_cast<std::size_t>(person->group) < db.GroupCount() &&
            !person->name.empty()) {
            const std::string group =
                ParseGroupEntry(db.GroupEntry(static_cast<std::size_t>(person->group))).name;
            choices.push_back({which + person->name, {true, group, person->name}});
        }
    }
    return choices;
}

// Keeps the reminder's choice and installs or removes its schedule; an error text or empty.
std::string ApplyReminder(SettingsStore& store, const ReminderSettings& chosen,
                          const std::string& dataDir) {
    const bool wasOn = LoadReminderSettings(store).on;
    if (!SaveReminderSettings(store, chosen)) {
        return "the settings cannot be written";
    }
    const ReminderPlace place =
        SessionReminderPlace(QCoreApplication::applicationFilePath().toStdString(), dataDir);
    if (chosen.on) {
        std::string error = InstallReminder(place);
        if (!error.empty()) {
            // Nothing was installed: the options must not show it switched on.
            ReminderSettings off = chosen;
            off.on = false;
            SaveReminderSettings(store, off);
        }
        return error;
    }
    return wasOn ? RemoveReminder(place) : std::string{};
}

// Where the running program keeps its data: two starts name the same folder however they
// spell it.
std::filesystem::path SameFolderForm(const std::filesystem::path& folder) {
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(folder, ec);
    return ec ? std::filesystem::absolute(folder, ec).lexically_normal() : canonical;
}

int RunWindow(const app::GuiOptions& options) {
    const DataFolderInputs folderInputs = ProcessDataFolderInputs(options.dataDir);
    const std::filesystem::path dataFolder = ResolveDataFolder(folderInputs);
    SingleInstance instance;
    if (!instance.Acquire(QString::fromStdString(dataFolder.string()))) {
        // The running program has been asked to come forward; it keeps its own folder.
        const std::string running = instance.RunningFolder().toStdString();
        if (!running.empty() && SameFolderForm(running) != SameFolderForm(dataFolder)) {
            std::fprintf(stderr,
                         "vitalune: already running with the data folder %s; close it to "
                         "start with %s\n",
                         running.c_str(), dataFolder.c_str());
            return 1;
        }
        return 0;
    }
    QtSettingsStore store;
    SystemClock clock;
    ui::MainFormContext context;
    context.store = &store;
    context.clock = &clock;
    context.programFolder = dataFolder;
    context.programFolderGiven = DataFolderGiven(folderInputs);
    context.executableFolder = ExecutableFolder();
    context.showMessage = ShowMessage;
    DesktopShell shell;
    context.shell = &shell;
    // Declared before the window so that it outlives the window's closing, which closes it.
    ui::HelpService help(FindHelpFolder(context.programFolder, context.executableFolder),
                         ShowMessage, &shell);
    ui::TMainForm form(context);
    form.SetHelpTopicShower([&help](int topic) { help.ShowHelpTopic(topic); });
    ui::KeyDispatcher keys(&form);
    ui::AddMainWindowKeys(keys, form);

    // The people dialogs, made once for the run; the names editor asks the first three.
    ui::TNewPersForm personDialog(clock);
    ui::TNewGroupForm groupDialog;
    ui::TSelectGroupForm groupSelection;
    ui::SelectorContext selectorContext;
    selectorContext.db = &form.Database();
    selectorContext.settings = &form.Settings();
    selectorContext.choosePersonOne = [&form](std::size_t group, std::size_t person) {
        form.ChoosePersonOne(group, person);
    };
    selectorContext.databaseChanged = [&form] { form.DatabaseChanged(); };
    selectorContext.askPerson = [&personDialog](QWidget* parent,
                                                const std::optional<std::string>& line) {
        return personDialog.Ask(parent, line);
    };
    selectorContext.showMessage = ShowMessage;
    selectorContext.showHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    ui::TSelForm selector(selectorContext);
    form.SetPersonSelector([&form, &selector] {
        const ui::CurrentPerson& one = form.PersonOne();
        selector.Ask(&form, static_cast<std::size_t>(one.group),
                     static_cast<std::size_t>(one.index));
    });
    ui::AddPeopleDialogKeys(keys, personDialog, groupDialog, groupSelection, selector);
    ui::DOBContext dobContext{
        &form.Database(), &clock, &store,
        &form.Settings(), &shell, [](QWidget*, const QString& text) { ShowMessage(text); }};
    ui::TDOBForm birthdays(dobContext);
    ui::AddBirthdayListKeys(keys, birthdays);
    ui::EditDBContext editContext;
    editContext.db = &form.Database();
    editContext.clock = &clock;
    editContext.store = &store;
    editContext.programFolder = context.programFolder;
    editContext.personOne = [&form] {
        const auto index = [](int i) { return static_cast<std::size_t>(std::max(i, 0)); };
        return std::pair(index(form.PersonOne().group), index(form.PersonOne().index));
    };
    editContext.afterOk = [&form](std::size_t group, std::size_t person, bool refill) {
        if (refill) {
            form.DatabaseChanged();
        }
        form.ChoosePersonOne(group, person);
    };
    editContext.dialogs.askPerson = selectorContext.askPerson;
    editContext.dialogs.askGroup = [&groupDialog](QWidget* parent,
                                                  const std::optional<ui::GroupChoice>& edit) {
        return groupDialog.Ask(parent, edit);
    };
    editContext.dialogs.askTargetGroup = [&groupSelection](QWidget* parent, const NamesDatabase& db,
                                                           std::size_t editorGroup, bool moveMode) {
        return groupSelection.Ask(parent, db, editorGroup, moveMode);
    };
    editContext.askOpenFile = [dataFolder](QWidget* parent, const QString& caption) {
        return ui::AskOpenDatabaseFile(parent, caption, dataFolder);
    };
    editContext.askSaveFile = [dataFolder](QWidget* parent, const QString& caption) {
        return ui::AskSaveDatabaseFile(parent, caption, dataFolder);
    };
    editContext.ask = ui::AskYesNoCancel;
    editContext.showMessage = [](QWidget*, const QString& text) { ShowMessage(text); };
    editContext.showHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    editContext.showBirthdays = [&birthdays](QWidget* over) { birthdays.Open(over); };
    editContext.askOpenContacts = ui::AskOpenContactsFile;
    editContext.askSaveContacts = ui::AskSaveContactsFile;
    editContext.askImportGroup = ui::AskImportGroup;
    editContext.showReport = ui::ShowReport;
    ui::TEditDBForm editor(editContext);
    ui::AddNamesEditorKeys(keys, editor);
    form.SetNamesEditor([&editor] { editor.Open(); });

    ui::DayInfoContext dayContext;
    dayContext.calculationDate = [&form] { return form.CalculationDate(); };
    dayContext.personOne = [&form] { return DayInfoPersonOf(form, form.PersonOne()); };
    dayContext.personTwo = [&form] { return DayInfoPersonOf(form, form.PersonTwo()); };
    dayContext.activePage = [&form] { return form.ActivePage(); };
    dayContext.settings = &form.Settings();
    dayContext.pictureFont = [&form] { return form.PictureFont(); };
    dayContext.dataFolder = context.programFolder;
    dayContext.executableFolder = context.executableFolder;
    dayContext.store = &store;
    dayContext.shell = &shell;
    dayContext.showHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    dayContext.showMessage = [](QWidget*, const QString& text) { ShowMessage(text); };
    ui::TDayInfo dayInfo(dayContext);
    ui::AddDayInfoKeys(keys, dayInfo);
    ui::TipsContext tipsContext{&form.Settings(), &store, nullptr, &shell,
                                [](QWidget*, const QString& text) { ShowMessage(text); }};
    ui::TTipsForm tips(tipsContext);
    ui::AddTipsKeys(keys, tips);
    // After the person selector, on the main window's first activation.
    form.SetTipsWindow([&form, &tips] {
        if (!tips.isVisible()) {
            tips.Open(&form);
        }
    });
    // The windows open beside the main window close with it.
    form.SetCompanionCloser([&help, &dayInfo, &tips] {
        help.CloseHelpWindow();
        dayInfo.close();
        tips.close();
    });
    ui::TAboutBox about(
        ui::AboutContext{&shell, [](QWidget*, const QString& text) { ShowMessage(text); }});
    ui::AddAboutKeys(keys, about);
    form.SetAboutBox([&form, &about] { about.Open(&form); });
    // The lines settings change the main window's pens; the main window, and the window the
    // dialog was opened from, show each change at once.
    ui::TCColors lines;
    ui::AddLinesKeys(keys, lines);
    const auto editLines = [&form, &lines](QWidget* over, const std::function<void()>& redraw) {
        lines.Ask(form.Settings().pens, over, [&form, &redraw] {
            form.RepaintActivePage();
            if (redraw) {
                redraw();
            }
        });
    };
    form.SetDayInfoWindow([&dayInfo](std::int32_t day, ui::DayInfoRequest how) {
        dayInfo.ShowDay(day, how == ui::DayInfoRequest::FocusOrShow);
    });

    ui::CalendarContext calendarContext;
    calendarContext.calculationDate = [&form] { return form.CalculationDate(); };
    calendarContext.person = [&form] {
        return ui::CalendarPerson{form.PersonOne().name,
                                  static_cast<DateTime>(form.PersonOne().birth)};
    };
    calendarContext.settings = &form.Settings();
    calendarContext.pictureFont = [&form] { return form.PictureFont(); };
    calendarContext.programFont = [&form] { return form.font(); };
    calendarContext.store = &store;
    calendarContext.programFolder = context.programFolder;
    calendarContext.showHelp = [&help](int topic) { help.ShowHelpTopic(topic); };
    ui::TCFont* calendarFonts = nullptr;  // made with the calendar, its parent
    calendarContext.editFonts = [&form, &calendarFonts](QWidget*, CalendarSettings& settings,
                                                        const std::function<void()>& redraw) {
        calendarFonts->Ask(settings, form.font(), redraw);
    };
    calendarContext.showMessage = [](QWidget*, const QString& text) { ShowMessage(text); };
    ui::TCalendar* calendarWindow = nullptr;  // the window the entries below open over
    calendarContext.showAbout = [&about, &calendarWindow] { about.Open(calendarWindow); };
    calendarContext.showLines = [&editLines, &calendarWindow] {
        editLines(calendarWindow, [&calendarWindow] { calendarWindow->Redraw(); });
    };
    ui::TCalendar calendar(calendarContext);
    calendarWindow = &calendar;
    ui::AddCalendarKeys(keys, calendar);
    ui::TCFont fontDialog(&calendar);
    calendarFonts = &fontDialog;
    ui::AddCalendarFontKeys(keys, fontDialog);
    form.SetCalendarWindow([&form, &calendar] { calendar.Open(&form); });

    ui::ForecastContext forecastContext;
    forecastContext.calculationDate = [&form] { return form.CalculationDate(); };
    forecastContext.person = [&form] {
        return ui::ForecastPerson{form.PersonOne().name,
                                  static_cast<DateTime>(form.PersonOne().birth)};
    };
    forecastContext.groupNames = [&form] {
        std::vector<std::string> names;
        for (const std::string& entry : form.Database().Groups()) {
            names.push_back(ParseGroupEntry(entry).name);
        }
        return names;
    };
    forecastContext.groupMembers = [&form](std::size_t group) {
        return GroupForecastMembers(form.Database(), group);
    };
    forecastContext.clock = &clock;
    forecastContext.dataFolder = context.programFolder;
    forecastContext.executableFolder = context.executableFolder;
    forecastContext.store = &store;
    forecastContext.shell = &shell;
    forecastContext.showMessage = [](QWidget*, const QString& text) { ShowMessage(text); };
    ui::TFindDays forecast(forecastContext);
    ui::AddForecastKeys(keys, forecast);
    form.SetForecastWindow([&form, &forecast] { forecast.Open(&form); });

    ui::MatchContext matchContext;
    matchContext.db = &form.Database();
    matchContext.personOne = [&form] {
        const auto index = [](int i) { return static_cast<std::size_t>(std::max(i, 0)); };
        return PersonPlace{index(form.PersonOne().group), index(form.PersonOne().index)};
    };
    matchContext.settings = &form.Settings();
    matchContext.pictureFont = [&form] { return form.PictureFont(); };
    matchContext.clock = &clock;
    matchContext.dataFolder = context.programFolder;
    matchContext.executableFolder = context.executableFolder;
    matchContext.store = &store;
    matchContext.shell = &shell;
    matchContext.viewCharts = [&form](PersonPlace one, PersonPlace two) {
        form.ShowPair(one.group, one.person, two.group, two.person);
    };
    matchContext.showMessage = [](QWidget*, const QString& text) { ShowMessage(text); };
    ui::TMatchForm matching(matchContext);
    ui::AddMatchKeys(keys, matching);
    form.SetMatchingWindow([&form, &matching] { matching.Open(&form); });

    ui::OptionsContext optionsContext;
    optionsContext.settings = &form.Settings();
    optionsContext.activePage = [&form] { return form.ActivePage(); };
    optionsContext.settingsChanged = [&form] { form.SettingsChanged(); };
    optionsContext.showLines = [&editLines](QWidget* over) { editLines(over, {}); };
    optionsContext.store = &store;
    optionsContext.reminder = [&store] { return LoadReminderSettings(store); };
    optionsContext.reminderChoices = [&form] { return ReminderChoices(form); };
    optionsContext.applyReminder = [&store, &context](const ReminderSettings& chosen) {
        return ApplyReminder(
            store, chosen,
            context.programFolderGiven ? context.programFolder.string() : std::string{});
    };
    ui::TSettingForm optionsDialog(optionsContext);
    ui::AddOptionsKeys(keys, optionsDialog);
    form.SetOptionsDialog([&form, &optionsDialog] { optionsDialog.Open(&form); });
    keys.Install();
    QObject::connect(&instance, &SingleInstance::raiseRequested, &form, [&form] {
        form.showNormal();
        form.raise();
        form.activateWindow();
    });
    form.show();
    return QApplication::exec();
}

// Neither an X nor a Wayland display: no window can open, though --help, --version, a bad
// option and an export need none and are served offscreen.
bool NoDisplay() {
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
    const bool noDisplay = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && NoDisplay();
    if (noDisplay ||
        (app::WantsExport(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    app::SetProgramIdentity();

    const app::GuiOptions options = app::ParseGuiOptions(QCoreApplication::arguments());
    if (!options.text.empty()) {
        std::fputs(options.text.c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "vitalune: %s\n", options.error.c_str());
        return 2;
    }
    if (options.exportRequest || options.calendarRequest || options.remindRequest) {
        return RunWithoutWindow(options);
    }
    if (noDisplay) {
        std::fprintf(stderr,
                     "vitalune: no display to open the window on (DISPLAY is not set); "
                     "--export-chart writes a chart without one\n");
        return 1;
    }
    return RunWindow(options);
}
