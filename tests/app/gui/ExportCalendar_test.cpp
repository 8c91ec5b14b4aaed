// The calendar export for scripts: its options, a year as one PDF, several months as picture
// files, and the failures it reports.
#include "app/gui/ExportCalendar.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/gui/GuiOptions.h"
#include "core/engine/Clock.h"
#include "core/settings/MemorySettingsStore.h"
#include "support/FileOpsFakes.h"

using namespace vitalune;
using namespace vitalune::app;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct Exporter {
    QTemporaryDir dir;
    MemorySettingsStore store;
    FixedClock clock = FixedClock(EncodeDate(2026, 12, 7));

    ExportResult Run(const char* name, int months, qreal scale = 1, FileOps* ops = nullptr) const {
        CalendarExportRequest request;
        request.output = dir.filePath(QString::fromLatin1(name));
        request.months = months;
        request.person = "Celebrities/Alan Turing";
        request.devicePixelRatio = scale;
        const ExportContext context{&store,
                                    &clock,
                                    dir.filePath(QStringLiteral("data")).toStdString(),
                                    QCoreApplication::applicationDirPath().toStdString(),
                                    true,
                                    ops};
        return ExportCalendar(request, context);
    }
};

GuiOptions Parse(QStringList args) {
    args.prepend(QStringLiteral("vitalune"));
    return ParseGuiOptions(args);
}

}  // namespace

class ExportCalendarTest : public QObject {
    Q_OBJECT
  private slots:
    void optionsAreChecked() {
        const GuiOptions ok = Parse({"--export-calendar", "y.pdf", "--month", "2027-01", "--months",
                                     "12", "--person", "G/N", "--scale", "2"});
        QVERIFY(ok.error.empty());
        QCOMPARE(*ok.calendarRequest->month, EncodeDate(2027, 1, 1));
        QCOMPARE(ok.calendarRequest->months, 12);
        QCOMPARE(ok.calendarRequest->devicePixelRatio, 2.0);
        const QStringList bad[] = {
            {"--export-calendar", "y.pdf", "--month", "2027-13"},
            {"--export-calendar", "y.pdf", "--month", "Jan 2027"},
            {"--export-calendar", "y.pdf", "--months", "0"},
            {"--export-calendar", "y.pdf", "--months", "121"},
            {"--export-calendar", "y.pdf", "--page", "extra"},
            {"--export-calendar", "y.pdf", "--export-chart", "c.png"},
            {"--months", "3"},
        };
        for (const QStringList& args : bad) {
            QVERIFY2(!Parse(args).error.empty(), qPrintable(args.join(QLatin1Char(' '))));
        }
    }

    void aYearIsOnePdfOfTwelvePages() {
        Exporter e;
        QCOMPARE(e.Run("year.pdf", 12).status, ExportResult::Status::Written);
        QFile pdf(e.dir.filePath(QStringLiteral("year.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(pdf.readAll());
        QCOMPARE(bytes.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), 12);
    }

    void severalMonthsAsPicturesAreOneFileEach() {
        Exporter e;
        QCOMPARE(e.Run("cal.png", 2, 2).status, ExportResult::Status::Written);
        for (const char* name : {"cal-2026-12.png", "cal-2027-01.png"}) {
            const QImage page(e.dir.filePath(QString::fromLatin1(name)));
            QCOMPARE(page.size(), QSize(1360, 1864));
        }
        QVERIFY(!QFile::exists(e.dir.filePath(QStringLiteral("cal.png"))));
        QCOMPARE(e.Run("one.bmp", 1).status, ExportResult::Status::Written);
        QCOMPARE(QImage(e.dir.filePath(QStringLiteral("one.bmp"))).size(), QSize(680, 932));
    }

    void failuresAreReported() {
        Exporter e;
        const ExportResult missing = e.Run("no/such/folder/cal.pdf", 1);
        QCOMPARE(missing.ExitCode(), 1);
        QVERIFY(missing.message.find("no/such/folder/cal.pdf") != std::string::npos);
        CalendarExportRequest request;
        request.output = e.dir.filePath(QStringLiteral("x.png"));
        request.person = "Celebrities/Nobody";
        const ExportContext context{&e.store, &e.clock, e.dir.path().toStdString(),
                                    QCoreApplication::applicationDirPath().toStdString(), true};
        QCOMPARE(ExportCalendar(request, context).ExitCode(), 2);

        // A full disk fails the export and keeps what was there.
        for (const char* name : {"year.pdf", "cal.png"}) {
            QCOMPARE(e.Run(name, 1).ExitCode(), 0);
            const QString path = e.dir.filePath(QString::fromLatin1(name));
            const QByteArray before = ReadAll(path);
            test::FullDisk fullDisk(100);
            const ExportResult full = e.Run(name, 1, 1, &fullDisk);
            QCOMPARE(full.ExitCode(), 1);
            QCOMPARE(QString::fromStdString(full.message),
                     QStringLiteral("cannot write %1: No space left on device").arg(path));
            QCOMPARE(ReadAll(path), before);
        }
    }
};

QTEST_MAIN(ExportCalendarTest)
#include "ExportCalendar_test.moc"
