// The desktop program's command line: any arguments give a usage error, the answer to --help or
// --version, or at most one export whose size, scale, date, month and months are in range and
// read back the same; the persons it names are found in a small database or refused. Arguments
// are separated by NUL bytes.
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdlib>
#include <fstream>
#include <string>

#include "FuzzDatabase.h"
#include "FuzzInput.h"
#include "app/gui/GuiOptions.h"
#include "core/settings/MemorySettingsStore.h"

namespace {

using namespace vitalune;
using fuzz::Check;

// The folder holding the database the persons are looked up in.
std::filesystem::path g_folder;

void CheckSize(const QString& text) {
    if (const auto size = app::ParseSize(text)) {
        Check(size->width() >= 100 && size->width() <= 8000 && size->height() >= 100 &&
              size->height() <= 8000);
        Check(app::ParseSize(QStringLiteral("%1x%2").arg(size->width()).arg(size->height())) ==
              size);
    }
}

void CheckMonth(const QString& text) {
    if (const auto month = app::ParseMonth(text)) {
        const CivilDate first = DecodeDate(*month);
        Check(first.day == 1);
        Check(app::ParseMonth(QStringLiteral("%1-%2")
                                  .arg(first.year, 4, 10, QLatin1Char('0'))
                                  .arg(first.month, 2, 10, QLatin1Char('0'))) == month);
    }
}

// A person named "GROUP/NAME" is found with that name, or the export is refused.
void CheckPersons(const std::optional<std::string>& person,
                  const std::optional<std::string>& person2) {
    const MemorySettingsStore store;
    const app::ExportContext context{&store, &fuzz::Today(), g_folder, g_folder, true};
    const app::ExportSource source = app::ReadExportSource(context, person, person2);
    Check(source.warning.empty());
    if (source.bad) {
        Check(source.bad->status == app::ExportResult::Status::BadRequest);
        return;
    }
    for (const auto& [given, found] : {std::pair{&person, &source.one}, {&person2, &source.two}}) {
        Check(!found->name.empty() && found->birth != 0);
        if (*given) {
            Check((*given)->ends_with("/" + found->name));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication application(*argc, *argv);
    g_folder = std::filesystem::temp_directory_path() /
               ("vitalune-fuzz-options-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(g_folder);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(g_folder, ignored);
    });
    std::ofstream(g_folder / "db.rec", std::ios::binary)
        << "#Family|1\r\nAnn|02.01.1980|F\r\nBo/b|03.04.1975|M\r\n"
           "#Work/Team|2\r\nAnn|05.06.1990|F\r\nCy|07.08.1966|M\r\n";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    QStringList arguments{QStringLiteral("vitalune")};
    std::string word;
    for (std::size_t i = 0; i <= size; ++i) {
        if (i == size || data[i] == '\0') {
            arguments.append(QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())));
            CheckSize(arguments.back());
            CheckMonth(arguments.back());
            word.clear();
        } else {
            word += static_cast<char>(data[i]);
        }
    }
    const app::GuiOptions options = app::ParseGuiOptions(arguments);
    const bool exports = options.exportRequest || options.calendarRequest;
    Check(!(options.exportRequest && options.calendarRequest));
    Check(options.error.empty() || (options.text.empty() && !exports));
    Check(options.text.empty() || !exports);
    if (const auto& chart = options.exportRequest) {
        Check(chart->size.width() >= 100 && chart->size.width() <= 8000);
        Check(chart->size.height() >= 100 && chart->size.height() <= 8000);
        Check(chart->devicePixelRatio >= 1 && chart->devicePixelRatio <= 8);
        Check(!chart->date || IsInDateRange(*chart->date));
        CheckPersons(chart->person, chart->person2);
    }
    if (const auto& calendar = options.calendarRequest) {
        Check(calendar->months >= 1 && calendar->months <= 120);
        Check(calendar->devicePixelRatio >= 1 && calendar->devicePixelRatio <= 8);
        Check(!calendar->month || DecodeDate(*calendar->month).day == 1);
        CheckPersons(calendar->person, std::nullopt);
    }
    return 0;
}
