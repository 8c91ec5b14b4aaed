#include "app/gui/ExportCalendar.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <vector>

#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/settings/CalendarSettings.h"
#include "gui/calendar/CalendarPage.h"
#include "gui/paint/PictureFont.h"

namespace vitalune::app {

namespace {

ExportResult Failed(const QString& why) {
    return {ExportResult::Status::Failed, why.toStdString()};
}

}  // namespace

std::optional<std::int32_t> ParseMonth(const QString& text) {
    static const QRegularExpression kForm(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch m = kForm.match(text);
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    return TryEncodeDate(m.captured(1).toInt(), m.captured(2).toInt(), 1);
}

QString MonthFileName(const QString& output, std::int32_t month) {
    const CivilDate c = DecodeDate(month);
    const QString tag = QStringLiteral("-%1-%2")
                            .arg(c.year, 4, 10, QLatin1Char('0'))
                            .arg(c.month, 2, 10, QLatin1Char('0'));
    const QFileInfo info(output);
    const QString suffix = info.suffix();
    if (suffix.isEmpty()) {
        return output + tag;
    }
    return output.left(output.size() - suffix.size() - 1) + tag + QLatin1Char('.') + suffix;
}

ExportResult ExportCalendar(const CalendarExportRequest& request, const ExportContext& context) {
    const ExportSource source = ReadExportSource(context, request.person, std::nullopt);
    if (source.bad) {
        return *source.bad;
    }
    const CalendarSettings calendar = LoadCalendarSettings(*context.store);
    const std::int32_t first = ui::FirstOfMonth(request.month.value_or(context.clock->Today()));
    const QFont interfaceFont = QApplication::font();
    paint::CalendarScene scene = ui::MakeCalendarScene(
        first, {source.one.name, static_cast<DateTime>(source.one.birth)}, calendar,
        source.loaded.settings, paint::PictureFont(interfaceFont), interfaceFont);

    QString format = QFileInfo(request.output).suffix().toLower();
    if (format.isEmpty()) {
        format = QStringLiteral("png");
    }
    std::vector<ui::Picture> pages;
    for (int i = 0; i < request.months; ++i) {
        scene.month = AddMonths(first, i);
        ui::Picture page = ui::CalendarPicture(scene);
        page.devicePixelRatio = request.devicePixelRatio;
        pages.push_back(std::move(page));
    }
    ExportResult result;
    result.message = source.warning;
    if (format == QLatin1String("pdf")) {
        QString why;
        if (!ui::WritePdfPages(pages, request.output, &why, context.ops)) {
            return Failed(why);
        }
        return result;
    }
    for (int i = 0; i < request.months; ++i) {
        const QString path = request.months == 1
                                 ? request.output
                                 : MonthFileName(request.output, AddMonths(first, i));
        QString why;
        if (!ui::WritePictureAs(pages[static_cast<std::size_t>(i)], path, format.toLatin1(), &why,
                                context.ops)) {
            return Failed(why);
        }
    }
    return result;
}

}  // namespace vitalune::app
