#include "app/gui/ExportChart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/gui/GuiOptions.h"
#include "core/engine/Clock.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "support/FileOpsFakes.h"

using namespace vitalune;
using namespace vitalune::app;

namespace {

QByteArray Head(const QString& path, int bytes) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

// An export over a private folder and an empty memory store, on 7 December 2026.
struct Exporter {
    QTemporaryDir dir;
    MemorySettingsStore store;
    FixedClock clock = FixedClock(EncodeDate(2026, 12, 7));
    QString data = dir.filePath(QStringLiteral("data"));

    bool folderGiven = false;

    ExportResult Run(const ExportRequest& request, FileOps* ops = nullptr) const {
        const ExportContext context{&store,
                                    &clock,
                                    data.toStdString(),
                                    QCoreApplication::applicationDirPath().toStdString(),
                                    folderGiven,
                                    ops};
        return ExportChart(request, context);
    }
    ExportRequest To(const char* name) const {
        ExportRequest request;
        request.output = dir.filePath(QString::fromLatin1(name));
        request.person = "Celebrities/Alan Turing";
        return request;
    }
};

}  // namespace

class ExportChartTest : public QObject {
    Q_OBJECT
  private slots:
    void optionsAreChecked();
    void exportsWithoutChangingAnything();
    void formatFromSuffixAndStamp();
    void failuresAreReported();
    void scaledPictureIsTheSamePictureFiner();
    void programExportsFromTheCommandLine();
    void programWithoutADisplay();
    void secondStartTellsTheRunningFolder();
    void everyWindowCarriesTheIcon();
};

void ExportChartTest::optionsAreChecked() {
    const auto parse = [](QStringList args) {
        args.prepend(QStringLiteral("vitalune"));
        return ParseGuiOptions(args);
    };
    const GuiOptions ok =
        parse({"--export-chart", "a.png", "--page", "iching", "--date", "07.12.2026", "--person",
               "Celebrities/Marie Curie", "--size", "1200x600", "--data-dir", "/tmp/x", "--stamp"});
    QVERIFY(ok.error.empty());
    QCOMPARE(ok.exportRequest->page, paint::ChartPage::IChing);
    QCOMPARE(*ok.exportRequest->date, EncodeDate(2026, 12, 7));
    QCOMPARE(*ok.exportRequest->person, std::string("Celebrities/Marie Curie"));
    QCOMPARE(ok.exportRequest->size, QSize(1200, 600));
    QCOMPARE(ok.dataDir->string(), std::string("/tmp/x"));
    QVERIFY(ok.exportRequest->stamp);
    QCOMPARE(ok.exportRequest->devicePixelRatio, 1.0);
    QVERIFY(!parse({"--export-chart", "a.bmp"}).exportRequest->stamp);
    QCOMPARE(parse({"--export-chart", "a.png", "--scale", "8"}).exportRequest->devicePixelRatio,
             8.0);
    QVERIFY(!parse({}).exportRequest);
    QVERIFY(parse({}).error.empty());
    QCOMPARE(parse({"--remind", "--date", "2026-12-08"}).remindRequest->date,
             EncodeDate(2026, 12, 8));
    QVERIFY(!parse({"--remind"}).remindRequest->date);
    for (const QStringList& bad :
         {QStringList{"--export-chart", "a.png", "--page", "tertiary"},
          QStringList{"--export-chart", "a.png", "--date", "2026-02-30"},
          QStringList{"--export-chart", "a.png", "--size", "10x10"},
          QStringList{"--export-chart", "a.png", "--size", "big"}, QStringList{"--page", "primary"},
          QStringList{"--stamp"}, QStringList{"stray"},
          QStringList{"--export-chart", "a.png", "--scale", "0"},
          QStringList{"--export-chart", "a.png", "--scale", "9"},
          QStringList{"--export-chart", "a.png", "--scale", "1.5"}, QStringList{"--scale", "2"},
          QStringList{"--remind", "--export-chart", "a.png"},
          QStringList{"--remind", "--page", "primary"}, QStringList{"--remind", "--months", "2"},
          QStringList{"--remind", "--date", "soon"}}) {
        QVERIFY2(!parse(bad).error.empty(), qPrintable(bad.join(' ')));
    }
}

void ExportChartTest::exportsWithoutChangingAnything() {
    Exporter e;
    QDir().mkpath(e.data);
    WriteString(e.store, "", "Base_Graph", "2,0");
    const int writes = e.store.WriteCount();
    ExportRequest pair = e.To("compatibility.png");
    pair.page = paint::ChartPage::Compatibility;
    pair.person2 = "Celebrities/Ada Lovelace";
    QCOMPARE(e.Run(pair).ExitCode(), 0);
    QCOMPARE(QImage(pair.output).size(), QSize(751, 353));
    QCOMPARE(e.store.WriteCount(), writes);
    QCOMPARE(QDir(e.data).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});

    // A folder the user names wins over the database file the settings remember.
    QFile other(e.dir.filePath(QStringLiteral("other.rec")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("#Others|1\r\nZoe|01.01.2000|F\r\n");
    other.close();
    WriteString(e.store, "", "DB_Name", other.fileName().toStdString());
    QCOMPARE(e.Run(e.To("remembered.png")).ExitCode(), 2);  // no Alan Turing there
    e.folderGiven = true;
    QCOMPARE(e.Run(e.To("given.png")).ExitCode(), 0);
    e.folderGiven = false;
    e.store.Remove("", "DB_Name");

    // Without a person the stored one is used: "New person" of the template, born today.
    ExportRequest request = e.To("stored.png");
    request.person.reset();
    request.size = QSize(400, 300);
    QCOMPARE(e.Run(request).ExitCode(), 0);
    QCOMPARE(QImage(request.output).size(), QSize(400, 300));
}

void ExportChartTest::formatFromSuffixAndStamp() {
    Exporter e;
    ExportRequest request = e.To("bare.BMP");
    QCOMPARE(e.Run(request).ExitCode(), 0);
    QCOMPARE(Head(request.output, 2), QByteArray("BM"));
    QCOMPARE(QImage(request.output).size(), QSize(751, 353));

    request.stamp = true;
    request.output = e.dir.filePath(QStringLiteral("stamped.svg"));
    QCOMPARE(e.Run(request).ExitCode(), 0);
    QFile svg(request.output);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    QVERIFY(text.contains("Created for Alan Turing, 23 Jun 1912"));
    QVERIFY(text.contains("Vitalune v3.04"));
    QVERIFY(text.contains("<polyline") || text.contains("<path"));  // curves stay vector

    // Other types Qt writes work too.
    request.output = e.dir.filePath(QStringLiteral("chart.jpg"));
    QCOMPARE(e.Run(request).ExitCode(), 0);
}

// A picture at twice the scale is twice the size and, brought back to the first one's size,
// the same picture: painted larger, not a different layout.
void ExportChartTest::scaledPictureIsTheSamePictureFiner() {
    Exporter e;
    ExportRequest request = e.To("one.png");
    request.stamp = true;
    QCOMPARE(e.Run(request).ExitCode(), 0);
    const QImage one = QImage(request.output).convertToFormat(QImage::Format_RGB32);
    request.output = e.dir.filePath(QStringLiteral("two.png"));
    request.devicePixelRatio = 2;
    QCOMPARE(e.Run(request).ExitCode(), 0);
    const QImage two = QImage(request.output);
    QCOMPARE(two.size(), one.size() * 2);
    QVERIFY(std::abs(two.dotsPerMeterX() - 2 * one.dotsPerMeterX()) <= 1);  // 192 dpi
    const QImage back = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
    qint64 difference = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            difference += std::abs(qGray(one.pixel(x, y)) - qGray(back.pixel(x, y)));
        }
    }
    const double perPixel = static_cast<double>(difference) / (one.width() * one.height());
    QVERIFY2(perPixel < 4.0, qPrintable(QString::number(perPixel)));
}

void ExportChartTest::failuresAreReported() {
    Exporter e;
    ExportRequest request = e.To("x.png");
    request.person = "Celebrities/Nobody";
    ExportResult result = e.Run(request);
    QCOMPARE(result.ExitCode(), 2);
    QVERIFY(result.message.find("Celebrities/Nobody") != std::string::npos);
    request.person = "Nowhere/Alan Turing";
    QCOMPARE(e.Run(request).ExitCode(), 2);

    request.person.reset();
    request.output = e.dir.filePath(QStringLiteral("missing/folder/x.png"));
    result = e.Run(request);
    QCOMPARE(result.ExitCode(), 1);
    QVERIFY(result.message.find("cannot write") != std::string::npos);

    // A full disk fails every type, names the file and keeps the picture that was there.
    for (const char* name : {"full.png", "full.bmp", "full.svg", "full.pdf", "full.jpg"}) {
        request = e.To(name);
        QCOMPARE(e.Run(request).ExitCode(), 0);
        const QByteArray before = Head(request.output, 1 << 20);
        test::FullDisk fullDisk(100);
        result = e.Run(request, &fullDisk);
        QCOMPARE(result.ExitCode(), 1);
        QCOMPARE(QString::fromStdString(result.message),
                 QStringLiteral("cannot write %1: No space left on device").arg(request.output));
        QCOMPARE(Head(request.output, 1 << 20), before);
        QCOMPARE(QDir(e.dir.path()).entryList({QStringLiteral(".*")}, QDir::Files | QDir::Hidden),
                 QStringList{});  // no temporary left
    }
}

// The program with a home of its own, so the user's settings are never touched; `env`
// changes the environment further ("NAME=value", or "NAME=" to remove it).
std::pair<int, QByteArray> RunProgram(const QTemporaryDir& home, const QStringList& args,
                                      const QStringList& env = {}, QProcess* keep = nullptr) {
    QProcess own;
    QProcess& p = keep ? *keep : own;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("HOME"), home.path());
    e.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    e.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local")));
    e.remove(QStringLiteral("VITALUNE_DATA_DIR"));
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const QString& change : env) {
        const QString name = change.section(QLatin1Char('='), 0, 0);
        const QString value = change.section(QLatin1Char('='), 1);
        value.isEmpty() ? e.remove(name) : e.insert(name, value);
    }
    p.setProcessEnvironment(e);
    p.start(QStringLiteral(VITALUNE_PROGRAM), args);
    if (keep) {
        return {0, {}};
    }
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
    }
    return std::pair{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
                     p.readAllStandardOutput() + p.readAllStandardError()};
}

void ExportChartTest::programExportsFromTheCommandLine() {
    QTemporaryDir home;
    const auto run = [&home](const QStringList& args) { return RunProgram(home, args); };
    const QString out = home.filePath(QStringLiteral("chart.png"));
    const QString data = home.filePath(QStringLiteral("data"));
    QCOMPARE(run({"--export-chart", out, "--page", "compatibility", "--date", "2026-12-07",
                  "--person", "Celebrities/Marie Curie", "--person2", "Celebrities/Albert Einstein",
                  "--data-dir", data})
                 .first,
             0);
    QCOMPARE(QImage(out).size(), QSize(751, 353));
    // Neither settings nor a database were written.
    QVERIFY(!QDir(home.filePath(QStringLiteral(".config"))).exists());
    QVERIFY(!QDir(data).exists());

    const auto bad = run({"--export-chart", out, "--page", "nope"});
    QCOMPARE(bad.first, 2);
    QVERIFY(bad.second.contains("unknown page"));
}

void ExportChartTest::programWithoutADisplay() {
    // What needs no window works without a display; a window says why it cannot open.
    QTemporaryDir home;
    const QStringList noDisplay{"QT_QPA_PLATFORM=", "DISPLAY=", "WAYLAND_DISPLAY="};
    const auto version = RunProgram(home, {"--version"}, noDisplay);
    const auto help = RunProgram(home, {"--help"}, noDisplay);
    const auto unknown = RunProgram(home, {"--frobnicate"}, noDisplay);
    const auto window = RunProgram(home, {}, noDisplay);
    QCOMPARE((QList<int>{version.first, help.first, unknown.first, window.first}),
             (QList<int>{0, 0, 2, 1}));
    QVERIFY(version.second.contains("vitalune 3.04"));
    QVERIFY(help.second.contains("Usage: vitalune [options]"));
    QVERIFY(help.second.contains("--export-chart"));
    QVERIFY(unknown.second.contains("vitalune: Unknown option 'frobnicate'"));
    QVERIFY(window.second.contains("no display"));
}

void ExportChartTest::secondStartTellsTheRunningFolder() {
    // Two starts with different temporary folders meet in the runtime folder; one that names
    // another data folder hears which folder the running program keeps.
    QTemporaryDir home;
    const auto folder = [&home](const char* name) {
        const QString path = home.filePath(QLatin1String(name));
        QDir().mkpath(path);  // private, as a runtime folder must be
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    };
    const QString runtime = "XDG_RUNTIME_DIR=" + folder("run");
    QProcess first;
    RunProgram(home, {"--data-dir", folder("a")}, {runtime, "TMPDIR=" + folder("t1")}, &first);
    QVERIFY(QTest::qWaitFor([&] { return !QDir(folder("run")).entryList(QDir::System).isEmpty(); },
                            20000));
    const auto other = RunProgram(home, {"--data-dir", folder("b")}, {runtime, "TMPDIR=/tmp"});
    const auto same = RunProgram(home, {"--data-dir", folder("a") + "/"}, {runtime});
    first.terminate();
    first.waitForFinished(10000);
    QCOMPARE(other.first, 1);
    QVERIFY2(other.second.contains("already running with the data folder " + folder("a").toUtf8()),
             other.second.constData());
    QCOMPARE(same, (std::pair<int, QByteArray>{0, {}}));
}

void ExportChartTest::everyWindowCarriesTheIcon() {
    SetProgramIdentity();
    const QMessageBox box(QMessageBox::NoIcon, QStringLiteral("t"), QStringLiteral("x"));
    QVERIFY(!box.windowIcon().availableSizes().isEmpty());
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vitalune"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("com.qor.vitalune"));
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ExportChartTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ExportChart_test.moc"
