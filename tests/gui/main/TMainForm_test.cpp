#include "gui/main/TMainForm.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/gui/ExportChart.h"
#include "core/engine/Clock.h"
#include "core/engine/Date.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/SettingsStore.h"
#include "gui/main/ChartBox.h"
#include "gui/paint/ChartPainter.h"

using namespace vitalune;
using namespace vitalune::ui;
using paint::ChartPage;

namespace {

const std::int32_t kToday = EncodeDate(2026, 12, 7);

class Fixture {
  public:
    Fixture() : m_clock(kToday) {}

    std::unique_ptr<TMainForm> Make() {
        MainFormContext context;
        context.store = &store;
        context.clock = &m_clock;
        context.programFolder = DataFolder();
        context.executableFolder = QCoreApplication::applicationDirPath().toStdString();
        context.showMessage = [this](const QString& text) { messages << text; };
        return std::make_unique<TMainForm>(context);
    }
    std::filesystem::path DataFolder() const { return (m_dir.path() + "/data").toStdString(); }

    MemorySettingsStore store;
    QStringList messages;

  private:
    QTemporaryDir m_dir;
    FixedClock m_clock;
};

template <typename T>
T* Child(const QWidget& form, const char* name) {
    T* child = form.findChild<T*>(QString::fromLatin1(name));
    if (!child) {
        qFatal("no control %s", name);
    }
    return child;
}

QString PersonText(const QWidget& form, const char* list, int row) {
    auto* view = Child<QListView>(form, list);
    return view->model()->index(row, 0).data().toString();
}

void SelectRow(const QWidget& form, const char* list, int row) {
    auto* view = Child<QListView>(form, list);
    view->setCurrentIndex(view->model()->index(row, 0));
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void firstStartDefaults();
    void storedSelectionIsRestoredOrReset();
    void groupAndPersonListsDriveThePersons();
    void compatibilityPageShowsPersonTwo();
    void dateButtons();
    void closeWritesSettingsAndPlacement();
    void failedSettingsWriteShowsMessage();
    void placementIsRestored();
    void paintBoxShowsTheChartAsExported();
    void firstActivationShowsSelectorOnce();
    void unusableStoredDatabase();
};

void MainFormTest::firstStartDefaults() {
    Fixture f;
    auto form = f.Make();
    QCOMPARE(f.messages, QStringList{});
    QCOMPARE(form->windowTitle(), QStringLiteral(" Vitalune v3.04"));
    QCOMPARE(form->ActivePage(), ChartPage::Primary);
    QCOMPARE(form->CalculationDate(), kToday);
    auto* group1 = Child<QComboBox>(*form, "Group1");
    QCOMPARE(group1->count(), 2);
    QCOMPARE(group1->itemText(0), QStringLiteral("My profiles"));
    QCOMPARE(group1->itemText(1), QStringLiteral("Celebrities"));
    QCOMPARE(Child<QListView>(*form, "PName")->model()->rowCount(), 1);
    QCOMPARE(form->PersonOne().name, std::string("New person"));
    QCOMPARE(form->PersonOne().birth, kToday);
    QVERIFY(!Child<QGroupBox>(*form, "Persontwo")->isVisibleTo(form.get()));
    QCOMPARE(Child<QGroupBox>(*form, "PersonBox")->title(), QStringLiteral(" Person "));
    QCOMPARE(Child<QLabel>(*form, "StatusPanel0")->text(),
             QStringLiteral(" Person's DOB: 07 Dec 2026"));
    QCOMPARE(form->Settings().Graph(GraphPage::Base), (GraphSetting{2, 0}));
    QVERIFY(!form->Settings().showTips);
    // The template became the user's database in the data folder.
    QVERIFY(std::filesystem::exists(f.DataFolder() / "db.rec"));
    QCOMPARE(form->Database().FileName(), (f.DataFolder() / "db.rec").string());
    QVERIFY(f.store.WriteCount() == 0);  // nothing is written before the window closes
}

void MainFormTest::storedSelectionIsRestoredOrReset() {
    Fixture f;
    WriteInt(f.store, "", "Person_Group", 1);
    WriteInt(f.store, "", "Person_Index", 4);
    WriteInt(f.store, "", "Person_Group2", 7);   // no such group
    WriteInt(f.store, "", "Person_Index2", 99);  // no such person
    auto form = f.Make();
    QCOMPARE(form->PersonOne().name, std::string("Albert Einstein"));  // sorted by name
    QCOMPARE(form->PersonOne().birth, EncodeDate(1879, 3, 14));
    QCOMPARE(Child<QComboBox>(*form, "Group2")->currentIndex(), 0);
    QCOMPARE(form->PersonTwo().name, std::string("New person"));
    QVERIFY(form->Settings().showTips);  // the key exists, the value does not
}

void MainFormTest::groupAndPersonListsDriveThePersons() {
    Fixture f;
    auto form = f.Make();
    Child<QComboBox>(*form, "Group1")->setCurrentIndex(1);
    QCOMPARE(Child<QListView>(*form, "PName")->model()->rowCount(), 43);
    QCOMPARE(form->PersonOne().name, std::string("Abraham Lincoln"));
    QCOMPARE(PersonText(*form, "PName", 1), QStringLiteral("Ada Lovelace"));
    SelectRow(*form, "PName", 1);
    QCOMPARE(form->PersonOne().name, std::string("Ada Lovelace"));
    QCOMPARE(form->PersonOne().birth, EncodeDate(1815, 12, 10));
    QCOMPARE(Child<QLabel>(*form, "StatusPanel0")->text(),
             QStringLiteral(" Person's DOB: 10 Dec 1815"));
    Child<QPushButton>(*form, "DOBBtn")->click();
    QCOMPARE(form->CalculationDate(), EncodeDate(1815, 12, 10));
}

void MainFormTest::compatibilityPageShowsPersonTwo() {
    Fixture f;
    auto form = f.Make();
    Child<QComboBox>(*form, "Group2")->setCurrentIndex(1);
    SelectRow(*form, "PName2", 2);  // Agatha Christie
    auto* pages = Child<QTabWidget>(*form, "PageControl");
    pages->setCurrentIndex(4);
    QCOMPARE(form->ActivePage(), ChartPage::Compatibility);
    QVERIFY(Child<QGroupBox>(*form, "Persontwo")->isVisibleTo(form.get()));
    QCOMPARE(Child<QGroupBox>(*form, "PersonBox")->title(), QStringLiteral(" Person one "));
    QCOMPARE(form->PersonTwo().name, std::string("Agatha Christie"));
    QCOMPARE(Child<QLabel>(*form, "StatusPanel1")->text(),
             QStringLiteral(" Second person's DOB: 15 Sep 1890"));
    pages->setCurrentIndex(1);
    QVERIFY(!Child<QGroupBox>(*form, "Persontwo")->isVisibleTo(form.get()));
    QCOMPARE(Child<QLabel>(*form, "StatusPanel1")->text(), QString());
    QCOMPARE(Child<QGroupBox>(*form, "PersonBox")->title(), QStringLiteral(" Person "));
}

void MainFormTest::dateButtons() {
    Fixture f;
    auto form = f.Make();
    form->SetCalculationDate(EncodeDate(2026, 3, 31));
    Child<QPushButton>(*form, "MonthMinus")->click();
    QCOMPARE(form->CalculationDate(), EncodeDate(2026, 2, 28));
    Child<QPushButton>(*form, "DayPlus")->click();
    QCOMPARE(form->CalculationDate(), EncodeDate(2026, 3, 1));
    Child<QPushButton>(*form, "DayMinus")->click();
    Child<QPushButton>(*form, "MonthPlus")->click();
    QCOMPARE(form->CalculationDate(), EncodeDate(2026, 3, 28));
    Child<QPushButton>(*form, "TodayBtn")->click();
    QCOMPARE(form->CalculationDate(), kToday);
    Child<QDateEdit>(*form, "CDate")->setDate(QDate(1, 1, 1));
    Child<QPushButton>(*form, "DayMinus")->click();  // stays on the first day
    QCOMPARE(form->CalculationDate(), kMinDay);
}

void MainFormTest::closeWritesSettingsAndPlacement() {
    Fixture f;
    auto form = f.Make();
    Child<QComboBox>(*form, "Group1")->setCurrentIndex(1);
    SelectRow(*form, "PName", 3);
    form->Settings().Graph(GraphPage::Ich) = {1, 1};
    form->close();
    QCOMPARE(ReadInt(f.store, "", "Person_Group"), 1);
    QCOMPARE(ReadInt(f.store, "", "Person_Index"), 3);
    QCOMPARE(ReadInt(f.store, "", "Person_Index2"), 0);
    QCOMPARE(ReadString(f.store, "", "DB_Name"), (f.DataFolder() / "db.rec").string());
    QCOMPARE(ReadString(f.store, "", "Ich_Graph"), std::string("1,1"));
    QCOMPARE(ReadString(f.store, "", "Base_Graph"), std::string("2,0"));
    QCOMPARE(ReadString(f.store, "", "PhAttrib"), std::string("255,0,1"));
    QVERIFY(f.store.HasKey("MainForm"));
    QCOMPARE(ReadInt(f.store, "MainForm", "Width"), form->width());
    QCOMPARE(f.messages, QStringList{});

    // The next run picks the same person again.
    auto again = f.Make();
    QCOMPARE(again->PersonOne().name, std::string("Alan Turing"));
    QCOMPARE(again->Settings().Graph(GraphPage::Ich), (GraphSetting{1, 1}));
}

void MainFormTest::failedSettingsWriteShowsMessage() {
    Fixture f;
    auto form = f.Make();
    f.store.SetFailWrites(true);
    form->close();
    QCOMPARE(f.messages,
             QStringList{QStringLiteral("Error while saving settings to Windows registry")});
}

void MainFormTest::placementIsRestored() {
    Fixture f;
    SaveFormPlacement(f.store, "MainForm", {40, 30, 600, 900});
    auto form = f.Make();
    QCOMPARE(form->size(), QSize(900, 600));
    QCOMPARE(form->pos(), QPoint(30, 40));
    SaveFormPlacement(f.store, "MainForm", {40, 30, 100, 100});  // below the minimum size
    auto small = f.Make();
    QCOMPARE(small->size(), QSize(722, 463));
}

void MainFormTest::paintBoxShowsTheChartAsExported() {
    Fixture f;
    WriteInt(f.store, "", "Person_Group", 1);
    WriteInt(f.store, "", "Person_Index", 4);
    WriteInt(f.store, "", "PointerColor", 0x0000FFFF);
    auto form = f.Make();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    ChartBox* box = form->PaintBox(ChartPage::Primary);
    const QImage shown = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const paint::ChartGeometry g = paint::ComputeChartGeometry(box->width(), box->height(),
                                                               paint::ChartTextHeight(box->font()));
    QCOMPARE(shown.pixel(g.ColumnX(16) + 4, g.midY - g.half + 2), qRgb(255, 255, 0));

    // The export draws the same picture from the same settings and database.
    QTemporaryDir out;
    app::ExportRequest request;
    request.output = out.filePath(QStringLiteral("chart.png"));
    request.size = box->size();
    request.date = form->CalculationDate();
    FixedClock clock(kToday);
    const app::ExportContext context{&f.store, &clock, f.DataFolder(),
                                     QCoreApplication::applicationDirPath().toStdString()};
    QCOMPARE(app::ExportChart(request, context).ExitCode(), 0);
    const QImage exported = QImage(request.output).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(exported.size(), shown.size());
    QVERIFY(exported == shown);
}

void MainFormTest::firstActivationShowsSelectorOnce() {
    Fixture f;
    WriteBool(f.store, "", "Main_ShowTips", false);
    auto form = f.Make();
    int selector = 0;
    int tips = 0;
    form->SetPersonSelector([&selector] { ++selector; });
    form->SetTipsWindow([&tips] { ++tips; });
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(selector, 1);
    QCOMPARE(tips, 0);  // switched off
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(selector, 1);
}

void MainFormTest::unusableStoredDatabase() {
    Fixture f;
    std::filesystem::create_directories(f.DataFolder());
    // A stored database without a single group header is replaced by the empty database.
    const std::filesystem::path names = f.DataFolder() / "names.rec";
    {
        QFile file(QString::fromStdString(names.string()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("; only a comment\n");
    }
    WriteString(f.store, "", "DB_Name", names.string());
    auto form = f.Make();
    QCOMPARE(form->Database().FileName(), names.string());
    QCOMPARE(Child<QComboBox>(*form, "Group1")->count(), 1);
    QCOMPARE(form->PersonOne().name, std::string("New person"));
    QCOMPARE(f.messages, QStringList{});  // silently, as a file without groups is

    // A stored name that is no file falls back to the default database.
    const std::filesystem::path folder = f.DataFolder() / "folder.rec";
    std::filesystem::create_directories(folder);
    WriteString(f.store, "", "DB_Name", folder.string());
    auto fallback = f.Make();
    QCOMPARE(fallback->Database().FileName(), (f.DataFolder() / "db.rec").string());
    QCOMPARE(Child<QComboBox>(*fallback, "Group1")->count(), 2);
    QCOMPARE(f.messages, QStringList{});
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MainFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TMainForm_test.moc"
