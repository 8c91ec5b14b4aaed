// The calendar window driven offscreen: months by buttons and keys, the wheel that only
// scrolls, the switches kept on closing, and the page printed, saved and copied at its own
// size whatever the window, with the messages of each failure.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "core/engine/Date.h"
#include "core/settings/AppSettings.h"
#include "core/settings/MemorySettingsStore.h"
#include "gui/calendar/TCalendar.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

struct Fixture {
    QTemporaryDir dir;
    MemorySettingsStore store;
    AppSettings settings;
    std::int32_t calculation = EncodeDate(2026, 12, 7);
    std::optional<QString> file;  // the save dialog's answer
    QString filter;
    bool printerAccepted = false;
    QStringList messages;
    int fontDialogs = 0;
    std::unique_ptr<TCalendar> window;

    Fixture() {
        CalendarContext c;
        c.calculationDate = [this] { return calculation; };
        c.person = [] {
            return CalendarPerson{"Ann", static_cast<DateTime>(EncodeDate(1980, 3, 10))};
        };
        c.settings = &settings;
        c.store = &store;
        c.showMessage = [this](QWidget*, const QString& text) { messages.append(text); };
        c.askPictureFile = [this](QWidget*, const QString&, const QString&, QString* chosen) {
            *chosen = filter;
            return file;
        };
        c.askPrinter = [this](QWidget*, QPrinter& printer) {
            printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
            return printerAccepted;
        };
        c.askMonths = [](QWidget*, const QString&) { return std::optional<int>(3); };
        c.editFonts = [this](QWidget*, CalendarSettings& s, const std::function<void()>& redraw) {
            ++fontDialogs;
            s.month.reset();
            redraw();
        };
        window = std::make_unique<TCalendar>(c);
        window->FormShow();
        window->show();
    }
    QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

}  // namespace

class CalendarTest : public QObject {
    Q_OBJECT
  private slots:
    void monthsStepAndFollowTheMainWindow() {
        Fixture f;
        QCOMPARE(f.window->Month(), EncodeDate(2026, 12, 1));
        QVERIFY(f.window->DispatchKey(Qt::Key_Right, {}));
        QCOMPARE(f.window->Month(), EncodeDate(2027, 1, 1));
        f.window->PreviousMonthClick();
        f.window->PreviousMonthClick();
        QCOMPARE(f.window->Month(), EncodeDate(2026, 11, 1));
        QVERIFY(f.window->DispatchKey(Qt::Key_A, {}));  // every key is the calendar's
        // Its own dialogs leave the month alone; opening again follows the main window.
        f.window->Fonts1Click();
        QCOMPARE(f.fontDialogs, 1);
        QCOMPARE(f.window->Month(), EncodeDate(2026, 11, 1));
        f.calculation = EncodeDate(2028, 2, 29);
        f.window->FormShow();
        QCOMPARE(f.window->Month(), EncodeDate(2028, 2, 1));
    }

    void theWheelScrollsThePageOnly() {
        Fixture f;
        f.window->resize(700, 400);
        QScrollBar* bar = f.window->Frame()->verticalScrollBar();
        QTRY_VERIFY(bar->maximum() > 100);
        QWidget* viewport = f.window->Frame()->viewport();
        const auto wheel = [&](int delta) {
            QWheelEvent event(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(viewport, &event);
        };
        wheel(-120);
        QCOMPARE(bar->value(), 2 * bar->singleStep());
        wheel(240);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(f.window->Month(), EncodeDate(2026, 12, 1));
    }

    void switchesAndFontsAreKeptOnClosing() {
        Fixture f;
        f.window->Action("ShowName")->trigger();
        QVERIFY(!f.window->Scene().showName);
        f.window->Fonts1Click();
        f.window->close();
        const CalendarSettings kept = LoadCalendarSettings(f.store);
        QVERIFY(!kept.showName && kept.showAge && kept.showDob);
        QCOMPARE(kept.digits, DefaultCalendarSettings().digits);
    }

    void outputsAreThePageAtItsOwnSize() {
        Fixture f;
        f.window->resize(500, 300);
        f.file = f.Path("page.png");
        f.window->SavePicture1Click();
        QCOMPARE(QImage(*f.file).size(), QSize(680, 932));
        f.file = f.Path("months.pdf");
        f.filter = QString::fromLatin1(kSeveralMonthsFilter);
        f.window->SavePicture1Click();
        QFile pdf(*f.file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(pdf.readAll())
                     .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))),
                 3);
        f.window->Copy1Click();
        QCOMPARE(QApplication::clipboard()->image().size(), QSize(680, 932));
        f.window->PrintCalendarClick();  // cancelled: nothing printed, nothing said
        QVERIFY(!QFile::exists(f.Path("printed.pdf")));
        f.printerAccepted = true;
        f.window->PrintCalendarClick();
        QVERIFY(QFile::exists(f.Path("printed.pdf")));
        QVERIFY(f.messages.isEmpty());
        f.filter.clear();
        f.file = f.Path("no/such/folder/page.bmp");
        f.window->SavePicture1Click();
        QCOMPARE(f.messages, QStringList({QStringLiteral("Cann't save image to file ") + *f.file +
                                          QStringLiteral("\ncannot write ") + *f.file +
                                          QStringLiteral(": No such file or directory")}));
    }

    void printTargetKeepsThePageProportions() {
        // Portrait sheet: the full width; landscape: the sheet's height.
        QCOMPARE(PortraitPrintTarget(QSize(4800, 6600), QSize(680, 932)), QRect(0, 0, 4800, 6578));
        QCOMPARE(PortraitPrintTarget(QSize(6600, 4800), QSize(680, 932)), QRect(0, 0, 3502, 4800));
    }
};

QTEST_MAIN(CalendarTest)
#include "Calendar_test.moc"
