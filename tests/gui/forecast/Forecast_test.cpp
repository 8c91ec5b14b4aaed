// The forecast window driven offscreen: the coupling of the show-all and rhythm boxes, the
// digit-only amount fields, Reset and the kept options, the searches with their files, messages
// and the applications they ask for, the description beside the window and the keys.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "core/dayreport/DayTexts.h"
#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/reports/ForecastReport.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/forecast/TFindDays.h"
#include "gui/forecast/THintForm.h"
#include "gui/platform/Shell.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

struct Fixture {
    QTemporaryDir dir;
    MemorySettingsStore store;
    RecordingShell shell;
    FixedClock clock{static_cast<DateTime>(EncodeDate(2026, 12, 8))};
    std::string person = "Anna";
    QStringList messages;
    std::optional<QString> csvAnswer;
    std::unique_ptr<TFindDays> window;

    Fixture() { Make(); }
    void Make() {
        ForecastContext c;
        c.calculationDate = [] { return EncodeDate(2026, 12, 7); };
        c.person = [this] {
            return ForecastPerson{person, static_cast<DateTime>(EncodeDate(1970, 1, 5))};
        };
        c.groupNames = [] { return std::vector<std::string>{"Family", "Nobody"}; };
        c.groupMembers = [](std::size_t group) {
            return group == 0
                       ? std::vector<GroupForecastMember>{{"Anna", static_cast<DateTime>(
                                                                       EncodeDate(1970, 1, 5))},
                                                          {"Bob", static_cast<DateTime>(
                                                                      EncodeDate(1984, 7, 30))}}
                       : std::vector<GroupForecastMember>{};
        };
        c.clock = &clock;
        c.dataFolder = dir.path().toStdString();
        c.executableFolder = QCoreApplication::applicationDirPath().toStdString();
        c.store = &store;
        c.shell = &shell;
        c.showMessage = [this](QWidget*, const QString& text) { messages.append(text); };
        c.askCsvFile = [this](QWidget*, const QString&) { return csvAnswer; };
        window = std::make_unique<TFindDays>(c);
        window->FormActivate();
    }
    template <typename T = QWidget>
    T* W(const char* name) const {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        if (!w) {
            qFatal("no control %s", name);
        }
        return w;
    }
    void Click(const char* name) const { W<QAbstractButton>(name)->click(); }
    bool Exists(const char* file) const { return QFile::exists(dir.filePath(QLatin1String(file))); }

    // The boxes of a page that are checked, "all" for show-all, each marked "!" when its level
    // box is not shown exactly while it is checked.
    QString State(const char* showAll, const char* overall,
                  const std::array<std::pair<const char*, const char*>, 4>& rows) const {
        QStringList out;
        const auto add = [&](const char* box, const char* level, const char* token) {
            const bool checked = W<QCheckBox>(box)->isChecked();
            const bool levelShown = level ? !W(level)->isHidden() : checked;
            if (checked || levelShown) {
                out << QLatin1String(token) + (checked == levelShown ? "" : "!");
            }
        };
        add(showAll, overall, "all");
        const char* tokens[4] = {"ph", "em", "in", "iv"};
        for (std::size_t i = 0; i < 4; ++i) {
            add(rows[i].first, rows[i].second, tokens[i]);
        }
        return out.join(QLatin1Char(' '));
    }
};

const std::array<std::pair<const char*, const char*>, 4> kSunnyRows = {{{"Sphcheck", "Sphday"},
                                                                        {"Semcheck", "Semday"},
                                                                        {"Sinlcheck", "Sinlday"},
                                                                        {"Sinvcheck", "Sinvday"}}};
const std::array<std::pair<const char*, const char*>, 4> kCriticalRows = {
    {{"Cphcheck", nullptr}, {"Cemcheck", nullptr}, {"Cinlcheck", nullptr}, {"Cinvcheck", nullptr}}};

class ForecastTest : public QObject {
    Q_OBJECT
  private slots:
    void showAllAndRhythmBoxesStayCoupled() {
        const struct {
            QStringList clicks;
            const char* sunny;
            const char* critical;
        } table[] = {
            {{}, "all", "all"},
            {{"ph"}, "ph", "ph"},
            {{"ph", "em"}, "ph em", "ph em"},
            {{"ph", "em", "ph"}, "em", "em"},
            {{"ph", "ph"}, "all", "all"},         // the last rhythm cleared
            {{"ph", "in", "all"}, "all", "all"},  // show-all clears the rhythms
            {{"all"}, "all", "all"},              // show-all cannot be left without a rhythm
        };
        for (const auto& row : table) {
            Fixture f;
            for (const QString& click : row.clicks) {
                const std::pair<const char*, const char*> boxes =
                    click == "all"  ? std::pair("Showallsunny", "Showallcritical")
                    : click == "ph" ? std::pair("Sphcheck", "Cphcheck")
                    : click == "em" ? std::pair("Semcheck", "Cemcheck")
                                    : std::pair("Sinlcheck", "Cinlcheck");
                f.Click(boxes.first);
                f.Click(boxes.second);
            }
            QCOMPARE(f.State("Showallsunny", "Sday", kSunnyRows), QLatin1String(row.sunny));
            QCOMPARE(f.State("Showallcritical", nullptr, kCriticalRows),
                     QLatin1String(row.critical));
        }
    }

    void amountFieldsTakeDigitsOnly() {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* results = f.W<QLineEdit>("ResultsAmnt");
        results->setFocus();
        QVERIFY(f.W<QRadioButton>("DResults")->isChecked());  // entering the field chooses it
        results->clear();
        QTest::keyClicks(results, "4x-7 9");
        QCOMPARE(results->text(), QStringLiteral("479"));
        QTest::keyClick(results, Qt::Key_Backspace);
        QTest::keyClick(results, Qt::Key_Return);
        QCOMPARE(results->text(), QStringLiteral("47"));
        QVERIFY(!results->hasFocus());  // Enter moves on and searches nothing
        QVERIFY(f.shell.opened.isEmpty() && f.messages.isEmpty());
    }

    void resetAndKeptOptions() {
        Fixture f;
        f.Click("Rphcheck");
        f.W<QComboBox>("Rphday")->setCurrentIndex(2);
        f.W<QComboBox>("Sday")->setCurrentIndex(1);
        f.Click("Cinvcheck");
        f.Click("Str_women");
        f.Click("S_AND");
        f.Click("DResults");
        f.W<QLineEdit>("MonthsAmnt")->setText(QStringLiteral("7"));
        f.window->show();
        f.window->close();
        f.Make();  // a new run of the program
        const ForecastSettings kept = f.window->Settings();
        QVERIFY(!kept.rainy.showAll && kept.rainy.rhythm[0] && kept.rainy.level[0] == 2);
        QCOMPARE(kept.sunny.overallLevel, 1);
        QVERIFY(!kept.criticalShowAll && kept.criticalRhythm[3]);
        QCOMPARE(kept.stressMode, StressMode::Women);
        QCOMPARE(kept.monthsAmount, std::string("7"));
        QVERIFY(f.W<QRadioButton>("S_OR")->isChecked() &&
                f.W<QRadioButton>("DMonths")->isChecked());
        QVERIFY(!f.W("Rphday")->isHidden() && f.W("Rday")->isHidden());

        f.Click("S_AND");
        f.Click("LoadDefBtn");
        QCOMPARE(f.window->Settings(), DefaultForecastSettings());
        QVERIFY(f.W<QRadioButton>("S_OR")->isChecked());

        // Values another version or a hand edit left unusable take their defaults.
        WriteInt(f.store, kForecastSettingsKey, "Sday", 7);
        WriteString(f.store, kForecastSettingsKey, "MonthsAmnt", "abc");
        WriteInt(f.store, kForecastSettingsKey, "Str_mode", 9);
        f.Make();
        QCOMPARE(f.W<QComboBox>("Sday")->currentIndex(), 0);
        QCOMPARE(f.W<QLineEdit>("MonthsAmnt")->text(), QStringLiteral("12"));
        QVERIFY(f.W<QRadioButton>("Str_men")->isChecked());

        f.store.SetFailWrites(true);
        f.window->show();
        f.window->close();
        QCOMPARE(f.messages, QStringList{QLatin1String(kForecastSettingsError)});
    }

    void goWritesTheReportOrSaysWhyNot() {
        Fixture f;
        f.W<QTabWidget>("ShowDays")->setCurrentIndex(2);  // critical days
        for (const char* box : {"Cphcheck", "Cemcheck", "Cinlcheck", "Cinvcheck"}) {
            f.Click(box);
        }
        f.Click("C_AND");
        f.W<QLineEdit>("MonthsAmnt")->setText(QStringLiteral("0"));
        f.Click("GoBtn");
        QCOMPARE(f.W<QLineEdit>("MonthsAmnt")->text(), QStringLiteral("1"));
        QCOMPARE(
            f.messages,
            QStringList{QStringLiteral("Nothing was found. Try to change the search options.")});
        QVERIFY(!f.Exists("forecast.htm") && f.shell.opened.isEmpty());

        f.messages.clear();
        f.W<QTabWidget>("ShowDays")->setCurrentIndex(0);
        f.W<QLineEdit>("MonthsAmnt")->clear();
        f.Click("GoBtn");
        QCOMPARE(f.messages.size(), 1);  // the field needs a number
        QVERIFY(!f.Exists("forecast.htm"));

        f.messages.clear();
        f.Click("DResults");
        f.W<QLineEdit>("ResultsAmnt")->setText(QStringLiteral("150"));
        f.Click("GoBtn");
        QCOMPARE(f.W<QLineEdit>("ResultsAmnt")->text(), QStringLiteral("100"));
        QVERIFY(f.messages.isEmpty() && f.Exists("forecast.htm"));
        QCOMPARE(f.shell.opened, QList<QUrl>{QUrl::fromLocalFile(f.dir.filePath("forecast.htm"))});

        f.person.clear();  // an empty names database
        f.Click("GoBtn");
        QCOMPARE(f.messages.size(), 1);
    }

    void calendarAndCsvFiles() {
        Fixture f;
        f.shell.succeed = false;
        f.Click("CalendarBtn");
        QVERIFY(f.Exists("forecast.ics"));
        QCOMPARE(f.shell.opened, QList<QUrl>{QUrl::fromLocalFile(f.dir.filePath("forecast.ics"))});
        QCOMPARE(f.messages.size(), 1);  // no calendar application: the file is named
        QVERIFY(f.messages[0].endsWith(f.dir.filePath("forecast.ics")));

        f.Click("CsvBtn");  // the save dialog cancelled
        const QString csv = f.dir.filePath(QStringLiteral("days.csv"));
        QVERIFY(!QFile::exists(csv));
        f.csvAnswer = csv;
        f.Click("CsvBtn");
        std::ifstream in(csv.toStdString());
        std::string header;
        std::getline(in, header);
        QVERIFY(header.starts_with("Date,Weekday,Physical"));
    }

    // A group's days: the members' choice only where it means something, an empty group told,
    // the group's report, calendar and table.
    void groupForecast() {
        Fixture f;
        auto* members = f.W<QComboBox>("MembersBox");
        QCOMPARE(f.W<QComboBox>("ForBox")->count(), 3);
        f.W<QComboBox>("ForBox")->setCurrentIndex(2);  // the group with nobody
        f.Click("GoBtn");
        QCOMPARE(f.messages.size(), 1);
        QVERIFY(f.messages[0].contains(QStringLiteral("\"Nobody\" has nobody")));
        f.W<QComboBox>("ForBox")->setCurrentIndex(1);
        QVERIFY(!members->isEnabled());  // sunny days: every member
        f.W<QTabWidget>("ShowDays")->setCurrentIndex(2);
        QVERIFY(members->isEnabled());
        members->setCurrentIndex(1);
        f.Click("GoBtn");
        QVERIFY(QFile::exists(f.dir.filePath("Pict/sun.gif")));  // the report's pictures
        f.Click("CalendarBtn");
        f.csvAnswer = f.dir.filePath(QStringLiteral("days.csv"));
        f.Click("CsvBtn");
        QCOMPARE(f.messages.size(), 1);
        QCOMPARE(f.shell.opened,
                 (QList<QUrl>{QUrl::fromLocalFile(f.dir.filePath("groupforecast.htm")),
                              QUrl::fromLocalFile(f.dir.filePath("groupforecast.ics"))}));
        std::ifstream in(f.csvAnswer->toStdString());
        std::string header;
        std::getline(in, header);
        QCOMPARE(header, std::string(R"(Date,Weekday,"Anna overall","Anna critical",)"
                                     R"("Bob overall","Bob critical")") +
                             "\r");
        f.W<QComboBox>("ForBox")->setCurrentIndex(0);
        QVERIFY(!members->isEnabled());
    }

    void descriptionFollowsThePointer() {
        Fixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        const auto point = [&](const char* picture, QEvent::Type type) {
            QEvent event(type);
            QApplication::sendEvent(f.W<QLabel>(picture), &event);
        };
        point("Sphpict", QEvent::Enter);
        QVERIFY(f.window->Hint().isVisible());
        QCOMPARE(f.window->Hint().Text(), QString::fromUtf8(ExtremeTexts::Body(8).data()));
        const QRect owner = f.window->frameGeometry();
        const int x = f.window->Hint().geometry().x();
        QVERIFY(x > owner.right() || x < owner.left());  // beside, never over the options
        point("Sphpict", QEvent::Leave);
        QVERIFY(!f.window->Hint().isVisible());
        point("Cphpict", QEvent::Enter);
        QVERIFY(
            f.window->Hint().Text().startsWith(QStringLiteral("Physical instability. Be careful")));
        f.window->close();
        QVERIFY(!f.window->Hint().isVisible());
        QCOMPARE(HintDescriptor(QStringLiteral("Xpict")), QStringLiteral("Descriptor not found"));
    }

    void keys() {
        Fixture f;
        f.Click("Sphcheck");
        QVERIFY(f.window->DispatchKey(Qt::Key_C, false));  // used up, does nothing
        QVERIFY(!f.window->Settings().sunny.showAll);
        QVERIFY(f.window->DispatchKey(Qt::Key_C, true));
        QVERIFY(f.window->Settings().sunny.showAll);
        QVERIFY(f.window->DispatchKey(Qt::Key_G, false));
        QVERIFY(f.shell.opened.isEmpty());
        QVERIFY(f.window->DispatchKey(Qt::Key_G, true));
        QCOMPARE(f.shell.opened.size(), 1);
        QVERIFY(!f.window->DispatchKey(Qt::Key_A, true));
    }
};

}  // namespace

QTEST_MAIN(ForecastTest)
#include "Forecast_test.moc"
