#include "app/gui/ExportChart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "app/gui/GuiOptions.h"
#include "core/engine/Clock.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"

using namespace vitalune;
using namespace vitalune::app;

namespace {

QStringList Files(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// The program with a home of its own, so the user's settings are never touched.
Run RunProgram(const QStringList& args, const QString& home) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.remove(QStringLiteral("VITALUNE_DATA_DIR"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VITALUNE_PROGRAM), args);
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

}  // namespace

class ExportChartTest : public QObject {
    Q_OBJECT
  private slots:
    void optionsAreChecked();
    void exportsWithoutChangingAnything();
    void failuresAreReported();
    void formatFromSuffixAndStamp();
    void programHelpVersionAndExport();
};

void ExportChartTest::optionsAreChecked() {
    const auto parse = [](QStringList args) {
        args.prepend(QStringLiteral("vitalune"));
        return ParseGuiOptions(args);
    };
    GuiOptions ok =
        parse({"--export-chart", "a.png", "--page", "iching", "--date", "07.12.2026", "--person",
               "Celebrities/Marie Curie", "--size", "1200x600", "--data-dir", "/tmp/x"});
    QVERIFY(ok.error.empty());
    QVERIFY(ok.exportRequest);
    QCOMPARE(ok.exportRequest->page, paint::ChartPage::IChing);
    QCOMPARE(*ok.exportRequest->date, EncodeDate(2026, 12, 7));
    QCOMPARE(*ok.exportRequest->person, std::string("Celebrities/Marie Curie"));
    QCOMPARE(ok.exportRequest->size, QSize(1200, 600));
    QCOMPARE(ok.dataDir->string(), std::string("/tmp/x"));
    QVERIFY(!parse({}).exportRequest);
    QVERIFY(parse({}).error.empty());
    for (const QStringList& bad :
         {QStringList{"--export-chart", "a.png", "--page", "tertiary"},
          QStringList{"--export-chart", "a.png", "--date", "2026-02-30"},
          QStringList{"--export-chart", "a.png", "--size", "10x10"},
          QStringList{"--export-chart", "a.png", "--size", "big"}, QStringList{"--page", "primary"},
          QStringList{"--stamp"}, QStringList{"stray"}}) {
        QVERIFY2(!parse(bad).error.empty(), qPrintable(bad.join(' ')));
    }
}

void ExportChartTest::exportsWithoutChangingAnything() {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data"));
    QDir().mkpath(data);
    MemorySettingsStore store;
    WriteInt(store, "", "Transparency", 255);  // white bars: the stored settings are used
    WriteString(store, "", "Base_Graph", "2,0");
    const int writes = store.WriteCount();
    FixedClock clock(EncodeDate(2026, 12, 7));
    const ExportContext context{&store, &clock, data.toStdString(),
                                QCoreApplication::applicationDirPath().toStdString()};
    for (const char* page : {"primary", "secondary", "extra", "iching", "compatibility"}) {
        ExportRequest request;
        request.output = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(page)));
        request.page = *ParsePageName(QLatin1String(page));
        request.person = "Celebrities/Alan Turing";
        request.person2 = "Celebrities/Ada Lovelace";
        const ExportResult result = ExportChart(request, context);
        QCOMPARE(result.ExitCode(), 0);
        const QImage image(request.output);
        QCOMPARE(image.size(), QSize(751, 353));
    }
    QCOMPARE(store.WriteCount(), writes);
    QCOMPARE(Files(data), QStringList{});  // no database was created or copied

    // The stored person is used when none is given: "New person" of the template, born today.
    ExportRequest request;
    request.output = dir.filePath(QStringLiteral("stored.png"));
    request.size = QSize(400, 300);
    QCOMPARE(ExportChart(request, context).ExitCode(), 0);
    QCOMPARE(QImage(request.output).size(), QSize(400, 300));
}

void ExportChartTest::formatFromSuffixAndStamp() {
    QVERIFY(
        ParseGuiOptions({"vitalune", "--export-chart", "a.bmp", "--stamp"}).exportRequest->stamp);
    QVERIFY(!ParseGuiOptions({"vitalune", "--export-chart", "a.bmp"}).exportRequest->stamp);

    QTemporaryDir dir;
    MemorySettingsStore store;
    FixedClock clock(EncodeDate(2026, 12, 7));
    const ExportContext context{&store, &clock, dir.path().toStdString(),
                                QCoreApplication::applicationDirPath().toStdString()};
    const auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    ExportRequest request;
    request.person = "Celebrities/Alan Turing";
    request.output = dir.filePath(QStringLiteral("bare.BMP"));
    QCOMPARE(ExportChart(request, context).ExitCode(), 0);
    QVERIFY(read(request.output).startsWith("BM"));
    QCOMPARE(QImage(request.output).size(), QSize(751, 353));

    request.stamp = true;
    request.output = dir.filePath(QStringLiteral("stamped.png"));
    QCOMPARE(ExportChart(request, context).ExitCode(), 0);
    const QImage stamped(request.output);
    QCOMPARE(stamped.width(), 761);
    QVERIFY(stamped.height() > 358 + 10);
    QCOMPARE(QColor(stamped.pixel(2, 2)), QColor(Qt::white));  // the margin

    request.output = dir.filePath(QStringLiteral("stamped.svg"));
    QCOMPARE(ExportChart(request, context).ExitCode(), 0);
    const QByteArray svg = read(request.output);
    QVERIFY(svg.contains("Created for Alan Turing, 23 Jun 1912"));
    QVERIFY(svg.contains("Vitalune v3.04"));
    QVERIFY(svg.contains("<polyline") || svg.contains("<path"));  // curves stay vector

    request.output = dir.filePath(QStringLiteral("stamped.pdf"));
    QCOMPARE(ExportChart(request, context).ExitCode(), 0);
    QVERIFY(read(request.output).startsWith("%PDF"));

    // Other types Qt writes still work, from the suffix or named.
    request.output = dir.filePath(QStringLiteral("chart.jpg"));
    QCOMPARE(ExportChart(request, context).ExitCode(), 0);
    QCOMPARE(QImage(request.output).width(), 761);
}

void ExportChartTest::failuresAreReported() {
    QTemporaryDir dir;
    MemorySettingsStore store;
    FixedClock clock(EncodeDate(2026, 12, 7));
    const ExportContext context{&store, &clock, dir.path().toStdString(),
                                QCoreApplication::applicationDirPath().toStdString()};
    ExportRequest request;
    request.output = dir.filePath(QStringLiteral("x.png"));
    request.person = "Celebrities/Nobody";
    ExportResult result = ExportChart(request, context);
    QCOMPARE(result.ExitCode(), 2);
    QVERIFY(result.message.find("Celebrities/Nobody") != std::string::npos);
    request.person = "Nowhere/Alan Turing";
    QCOMPARE(ExportChart(request, context).ExitCode(), 2);

    request.person.reset();
    request.output = dir.filePath(QStringLiteral("missing/folder/x.png"));
    result = ExportChart(request, context);
    QCOMPARE(result.ExitCode(), 1);
    QVERIFY(result.message.find("cannot write") != std::string::npos);
}

void ExportChartTest::programHelpVersionAndExport() {
    QTemporaryDir home;
    const Run version = RunProgram({QStringLiteral("--version")}, home.path());
    QCOMPARE(version.exitCode, 0);
    QVERIFY2(version.out.contains("3.04"), version.out.constData());
    const Run help = RunProgram({QStringLiteral("--help")}, home.path());
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("--export-chart"));

    const QString out = home.filePath(QStringLiteral("chart.png"));
    const QString data = home.filePath(QStringLiteral("data"));
    const Run exported = RunProgram(
        {"--export-chart", out, "--page", "compatibility", "--date", "2026-12-07", "--person",
         "Celebrities/Marie Curie", "--person2", "Celebrities/Albert Einstein", "--data-dir", data},
        home.path());
    QCOMPARE(exported.exitCode, 0);
    QCOMPARE(QImage(out).size(), QSize(751, 353));
    // Neither settings nor a database were written.
    QVERIFY(!QDir(home.filePath(QStringLiteral(".config"))).exists());
    QVERIFY(!QDir(data).exists());

    const Run bad = RunProgram({"--export-chart", out, "--page", "nope"}, home.path());
    QCOMPARE(bad.exitCode, 2);
    QVERIFY(bad.err.contains("unknown page"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExportChartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ExportChart_test.moc"
