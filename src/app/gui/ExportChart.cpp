#include "app/gui/ExportChart.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <system_error>

#include "core/db/NamesDatabase.h"
#include "core/db/PersonLine.h"
#include "core/engine/Clock.h"
#include "core/files/DataFolder.h"
#include "core/settings/AppSettings.h"
#include "gui/main/ChartPictures.h"
#include "gui/paint/ChartPainter.h"
#include "gui/paint/PictureFont.h"
#include "gui/widgets/PictureOutput.h"

namespace vitalune::app {

namespace {

namespace fs = std::filesystem;

bool IsFile(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

struct Found {
    std::size_t group = 0;
    std::size_t index = 0;
};

// "GROUP/NAME": group names may hold "/" too, so every split is tried.
std::optional<Found> FindPerson(const NamesDatabase& db, const std::string& text) {
    for (std::size_t slash = text.find('/'); slash != std::string::npos;
         slash = text.find('/', slash + 1)) {
        const auto group = db.FindGroup(std::string_view(text).substr(0, slash));
        if (!group) {
            continue;
        }
        const std::string_view name = std::string_view(text).substr(slash + 1);
        const PersonList& persons = db.Persons(*group);
        for (std::size_t i = 0; i < persons.size(); ++i) {
            if (SplitPersonLine(persons[i]).name == name) {
                return Found{*group, i};
            }
        }
    }
    return std::nullopt;
}

// The stored selection, put back in range as the main window does.
Found StoredPerson(const NamesDatabase& db, std::int32_t group, std::int32_t index) {
    Found f;
    if (group >= 0 && static_cast<std::size_t>(group) < db.GroupCount()) {
        f.group = static_cast<std::size_t>(group);
    }
    if (index >= 0 && static_cast<std::size_t>(index) < db.Persons(f.group).size()) {
        f.index = static_cast<std::size_t>(index);
    }
    return f;
}

std::int32_t BirthOf(const NamesDatabase& db, Found f) {
    if (f.group >= db.GroupCount() || f.index >= db.Persons(f.group).size()) {
        return 0;
    }
    return ParseDob(SplitPersonLine(db.Persons(f.group)[f.index]).dateText);
}

std::string NameOf(const NamesDatabase& db, Found f) {
    if (f.group >= db.GroupCount() || f.index >= db.Persons(f.group).size()) {
        return {};
    }
    return SplitPersonLine(db.Persons(f.group)[f.index]).name;
}

}  // namespace

fs::path ExportDatabasePath(const fs::path& programFolder, const std::string& storedPath,
                            const fs::path& executableFolder) {
    for (const fs::path& candidate : {fs::path(storedPath), programFolder / "db.rec",
                                      programFolder / "empty.rec", programFolder / "empty.bak"}) {
        if (IsFile(candidate)) {
            return candidate;
        }
    }
    return FindResource(executableFolder, "empty.rec").value_or(programFolder / "db.rec");
}

std::optional<paint::ChartPage> ParsePageName(const QString& name) {
    using paint::ChartPage;
    static const std::pair<const char*, ChartPage> kNames[] = {
        {"primary", ChartPage::Primary},
        {"secondary", ChartPage::Secondary},
        {"extra", ChartPage::Extra},
        {"iching", ChartPage::IChing},
        {"compatibility", ChartPage::Compatibility},
    };
    for (const auto& [text, page] : kNames) {
        if (name == QLatin1String(text)) {
            return page;
        }
    }
    return std::nullopt;
}

std::optional<QSize> ParseSize(const QString& text) {
    static const QRegularExpression kForm(QStringLiteral("^(\\d{3,4})x(\\d{3,4})$"));
    const QRegularExpressionMatch m = kForm.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    const QSize size(m.captured(1).toInt(), m.captured(2).toInt());
    if (size.width() < 100 || size.height() < 100 || size.width() > 8000 || size.height() > 8000) {
        return std::nullopt;
    }
    return size;
}

LoadResult LoadUsersDatabase(const ExportContext& context, const LoadedSettings& loaded,
                             NamesDatabase& db) {
    const fs::path path = ExportDatabasePath(
        context.programFolder,
        context.programFolderGiven ? std::string{} : loaded.selection.databasePath,
        context.executableFolder);
    LoadOptions options;
    options.createMissing = false;
    LoadResult load = db.LoadFromFile(path, options);
    db.SetFileName(path.string());
    return load;
}

ExportSource ReadExportSource(const ExportContext& context,
                              const std::optional<std::string>& person,
                              const std::optional<std::string>& person2) {
    ExportSource source;
    source.loaded = LoadAppSettings(*context.store);
    const LoadedSettings& loaded = source.loaded;

    NamesDatabase db(*context.clock);
    const LoadResult load = LoadUsersDatabase(context, loaded, db);
    const std::string& dbPath = db.FileName();
    if (load.outcome != LoadResult::Outcome::Loaded) {
        source.warning = load.message;
    }

    Found one = StoredPerson(db, loaded.selection.personGroup, loaded.selection.personIndex);
    Found two = StoredPerson(db, loaded.selection.personGroup2, loaded.selection.personIndex2);
    for (auto [given, found] : {std::pair{&person, &one}, {&person2, &two}}) {
        if (!*given) {
            continue;
        }
        const auto named = FindPerson(db, **given);
        if (!named) {
            source.bad = ExportResult{ExportResult::Status::BadRequest,
                                      "no person \"" + **given + "\" in " + dbPath};
            return source;
        }
        *found = *named;
    }
    source.one = {NameOf(db, one), BirthOf(db, one)};
    source.two = {NameOf(db, two), BirthOf(db, two)};
    return source;
}

ExportResult ExportChart(const ExportRequest& request, const ExportContext& context) {
    const ExportSource source = ReadExportSource(context, request.person, request.person2);
    if (source.bad) {
        return *source.bad;
    }
    ExportResult result;
    result.message = source.warning;
    const std::int32_t date = request.date.value_or(context.clock->Today());
    const QFont font = paint::PictureFont(QApplication::font());
    paint::ChartScene scene =
        paint::MakeChartScene(request.page, request.size, font, source.loaded.settings, date,
                              source.one.birth, source.two.birth);
    scene.drawPicture = ui::ArtworkPictures();
    paint::PaintBuffers buffers;
    ui::Picture picture;
    picture.chart = request.size;
    picture.drawChart = [&](QPainter& p) { paint::PaintChartPage(p, scene, buffers); };
    picture.leftStamp =
        ui::LeftStampText(request.page, source.one.name, source.one.birth, source.two.name);
    picture.font = font;
    picture.stamped = request.stamp;
    picture.devicePixelRatio = request.devicePixelRatio;

    QString format = request.format;
    if (format.isEmpty()) {
        format = QFileInfo(request.output).suffix().toLower();
    }
    if (format.isEmpty()) {
        format = QStringLiteral("png");
    }
    QString why;
    if (!ui::WritePictureAs(picture, request.output, format.toLower().toLatin1(), &why,
                            context.ops)) {
        return {ExportResult::Status::Failed, why.toStdString()};
    }
    return result;
}

}  // namespace vitalune::app
