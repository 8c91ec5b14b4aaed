#include "app/gui/GuiOptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <cstring>
#include <variant>

#include "core/engine/DateInput.h"
#include "gui/paint/art/Artwork.h"
#include "gui/platform/DesktopId.h"

namespace vitalune::app {

namespace {
QCommandLineOption Valued(const char* name, const char* description, const char* value) {
    return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                              QString::fromLatin1(value));
}
}  // namespace

bool WantsExport(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--export-chart", 14) == 0 ||
            std::strncmp(argv[i], "--export-calendar", 17) == 0 ||
            std::strcmp(argv[i], "--remind") == 0) {
            return true;
        }
    }
    return false;
}

GuiOptions ParseGuiOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vitalune, the biorhythm calculator.\n"
                       "Without options it opens the main window; with --export-chart or "
                       "--export-calendar it writes a chart or calendar picture and ends "
                       "without showing a window or changing any setting."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const auto dataDir =
        Valued("data-dir", "Keep the names database and reports in FOLDER.", "FOLDER");
    const auto exportChart =
        Valued("export-chart",
               "Write the chart picture to FILE; its suffix gives the type: .png, .bmp, .pdf, "
               ".svg (PDF and SVG keep the curves as lines).",
               "FILE");
    const auto page = Valued("page",
                             "Chart page: primary, secondary, extra, iching or compatibility "
                             "(default primary).",
                             "PAGE");
    const auto date =
        Valued("date", "Calculation date, YYYY-MM-DD or DD.MM.YYYY (default today).", "DATE");
    const auto person =
        Valued("person", "Person one (default: the one last chosen).", "GROUP/NAME");
    const auto person2 = Valued("person2", "Person two of the compatibility page.", "GROUP/NAME");
    const auto size = Valued("size", "Chart size in pixels (default 751x353).", "WxH");
    const auto scale = Valued("scale",
                              "Paint the picture N times as large, 1 to 8, sharp at that size "
                              "(for slides and posters). PDF and SVG are drawn as lines and "
                              "text and need no scale.",
                              "N");
    const QCommandLineOption stamp(
        QStringLiteral("stamp"),
        QStringLiteral("Add the white margin and the line naming the person and the program, "
                       "as a saved or printed picture has them."));
    const auto exportCalendar =
        Valued("export-calendar",
               "Write month calendar pages to FILE: .pdf (one page per month, lines and text), "
               ".png, .bmp or .svg (one file per month, FILE-YYYY-MM.png when there are "
               "several).",
               "FILE");
    const auto month =
        Valued("month", "First month of the calendar, YYYY-MM (default this month).", "YYYY-MM");
    const auto months = Valued("months", "Number of months, 1 to 120 (default 1).", "N");
    const QCommandLineOption remind(
        QStringLiteral("remind"),
        QStringLiteral("Tell in a desktop notification who of the persons chosen for reminders "
                       "in the options has a critical day today or tomorrow (or on --date and "
                       "the day after), and end; nothing when nobody has."));
    parser.addOptions({dataDir, exportChart, page, date, person, person2, size, scale, stamp,
                       exportCalendar, month, months, remind});
    GuiOptions options;
    if (!parser.parse(arguments)) {
        options.error = parser.errorText().toStdString();
        return options;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // The usage line names the program, not the path it was started by.
        QString text = parser.helpText();
        const QString started = arguments.isEmpty() ? QString() : arguments.constFirst();
        for (const QString& name : {started, QStringLiteral("<executable_name>")}) {
            if (!name.isEmpty()) {
                text.replace(QStringLiteral("Usage: ") + name + QLatin1Char(' '),
                             QStringLiteral("Usage: vitalune "));
            }
        }
        options.text = text.toStdString();
        return options;
    }
    if (parser.isSet(version)) {
        options.text = "vitalune " VITALUNE_VERSION "\n";
        return options;
    }
    if (parser.isSet(dataDir)) {
        options.dataDir = parser.value(dataDir).toStdString();
    }
    if (!parser.positionalArguments().isEmpty()) {
        options.error =
            "unexpected argument: " + parser.positionalArguments().first().toStdString();
        return options;
    }
    if (static_cast<int>(parser.isSet(exportChart)) +
            static_cast<int>(parser.isSet(exportCalendar)) +
            static_cast<int>(parser.isSet(remind)) >
        1) {
        options.error = "--export-chart, --export-calendar and --remind cannot be used together";
        return options;
    }
    const auto dateValue = [&]() -> std::optional<std::int32_t> {
        const auto parsed = ParseDateInput(parser.value(date).toStdString());
        if (const auto* why = std::get_if<std::string>(&parsed)) {
            options.error = "--date: " + *why;
            return std::nullopt;
        }
        return std::get<std::int32_t>(parsed);
    };
    if (parser.isSet(remind)) {
        for (const auto* o : {&page, &person, &person2, &size, &scale, &stamp, &month, &months}) {
            if (parser.isSet(*o)) {
                options.error =
                    "--" + o->names().first().toStdString() + " needs " +
                    (o == &month || o == &months ? "--export-calendar" : "--export-chart");
                return options;
            }
        }
        RemindRequest request;
        if (parser.isSet(date)) {
            request.date = dateValue();
            if (!request.date) {
                return options;
            }
        }
        options.remindRequest = request;
        return options;
    }
    const auto scaleValue = [&]() -> std::optional<int> {
        bool number = false;
        const int n = parser.value(scale).toInt(&number);
        if (!number || n < 1 || n > 8) {
            options.error = "--scale: expected a whole number from 1 to 8: " +
                            parser.value(scale).toStdString();
            return std::nullopt;
        }
        return n;
    };
    if (parser.isSet(exportCalendar)) {
        for (const auto* o : {&page, &date, &person2, &size, &stamp}) {
            if (parser.isSet(*o)) {
                options.error = "--" + o->names().first().toStdString() + " needs --export-chart";
                return options;
            }
        }
        CalendarExportRequest request;
        request.output = parser.value(exportCalendar);
        if (parser.isSet(month)) {
            const auto first = ParseMonth(parser.value(month));
            if (!first) {
                options.error = "--month: expected YYYY-MM: " + parser.value(month).toStdString();
                return options;
            }
            request.month = *first;
        }
        if (parser.isSet(months)) {
            bool number = false;
            request.months = parser.value(months).toInt(&number);
            if (!number || request.months < 1 || request.months > 120) {
                options.error = "--months: expected a whole number from 1 to 120: " +
                                parser.value(months).toStdString();
                return options;
            }
        }
        if (parser.isSet(person)) {
            request.person = parser.value(person).toStdString();
        }
        if (parser.isSet(scale)) {
            const auto n = scaleValue();
            if (!n) {
                return options;
            }
            request.devicePixelRatio = *n;
        }
        options.calendarRequest = request;
        return options;
    }
    for (const auto* o : {&month, &months}) {
        if (parser.isSet(*o)) {
            options.error = "--" + o->names().first().toStdString() + " needs --export-calendar";
            return options;
        }
    }
    if (!parser.isSet(exportChart)) {
        for (const auto* o : {&page, &date, &person, &person2, &size, &scale, &stamp}) {
            if (parser.isSet(*o)) {
                options.error = "--" + o->names().first().toStdString() + " needs --export-chart";
                return options;
            }
        }
        return options;
    }
    ExportRequest request;
    request.output = parser.value(exportChart);
    if (parser.isSet(page)) {
        const auto p = ParsePageName(parser.value(page));
        if (!p) {
            options.error = "unknown page: " + parser.value(page).toStdString();
            return options;
        }
        request.page = *p;
    }
    if (parser.isSet(date)) {
        request.date = dateValue();
        if (!request.date) {
            return options;
        }
    }
    if (parser.isSet(person)) {
        request.person = parser.value(person).toStdString();
    }
    if (parser.isSet(person2)) {
        request.person2 = parser.value(person2).toStdString();
    }
    if (parser.isSet(size)) {
        const auto s = ParseSize(parser.value(size));
        if (!s) {
            options.error = "--size: expected WxH, 100 to 8000 pixels each: " +
                            parser.value(size).toStdString();
            return options;
        }
        request.size = *s;
    }
    if (parser.isSet(scale)) {
        const auto n = scaleValue();
        if (!n) {
            return options;
        }
        request.devicePixelRatio = *n;
    }
    request.stamp = parser.isSet(stamp);
    options.exportRequest = request;
    return options;
}

void SetProgramIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Qor"));
    QCoreApplication::setApplicationName(QStringLiteral("Vitalune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VITALUNE_VERSION));
    // Wayland compositors find the window's desktop entry, and so its icon, by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopId));
    QApplication::setWindowIcon(art::AppIcon());
    // Outside a desktop session Qt knows no icon theme; the common one gives the tool bars
    // their pictures where it is installed, and the built-in pictures stand in where not.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
}

}  // namespace vitalune::app
