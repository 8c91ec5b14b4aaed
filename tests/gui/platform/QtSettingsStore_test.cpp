#include "gui/platform/QtSettingsStore.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/settings/AppSettings.h"
#include "core/settings/SettingsStore.h"

using namespace vitalune;

class QtSettingsStoreTest : public QObject {
    Q_OBJECT
  private slots:
    void appSettingsRoundTripThroughFile();
    void placementSubkeys();
    void malformedFileValues();
    void missingUnwritableAndReadOnlyFiles();

  private:
    QString Path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir m_dir;
};

void QtSettingsStoreTest::appSettingsRoundTripThroughFile() {
    AppSettings s;
    s.showDetails = true;
    s.showTips = true;
    s.transparency = 128;
    s.pointerColour = 0x00FFE1E1;
    s.Graph(GraphPage::Comp) = {1, 1};
    s.textSearchUrl = "https://example.org/search?x=a,b&hl=en&lr=&q=";
    s.pens[10] = {0, 0, 2};
    const StoredSelection sel{4, 2, 1, 0, "/data/names, old.rec"};
    {
        QtSettingsStore store(Path("round.ini"));
        QVERIFY(SaveAppSettings(store, s, sel));
    }
    QtSettingsStore again(Path("round.ini"));  // a new run reading the file
    QVERIFY(again.HasKey(""));
    const LoadedSettings loaded = LoadAppSettings(again);
    QVERIFY(!loaded.firstStart);
    QVERIFY(loaded.selection == sel);
    QVERIFY(loaded.settings == s);  // the comma in the address is no list separator
    QCOMPARE(ReadString(again, "", "PhAttrib").value_or(""), std::string("255,0,1"));
}

void QtSettingsStoreTest::placementSubkeys() {
    {
        QtSettingsStore store(Path("place.ini"));
        QVERIFY(SaveFormPlacement(store, "MainForm", {12, 34, 579, 767}));
        QVERIFY(SaveFormPlacement(store, "DayInfo", {5, 6, 100, 200}));
    }
    QtSettingsStore store(Path("place.ini"));
    QVERIFY(store.HasKey("MainForm"));
    // Only window places: the program has run before, so this is no first start.
    QVERIFY(store.HasKey(""));
    QVERIFY(!LoadAppSettings(store).firstStart);
    QVERIFY(LoadFormPlacement(store, "MainForm") == (FormPlacement{12, 34, 579, 767}));
    QVERIFY(LoadFormPlacement(store, "DayInfo") == (FormPlacement{5, 6, {}, {}}));
    QVERIFY(!LoadFormPlacement(store, "Calendar"));
}

void QtSettingsStoreTest::malformedFileValues() {
    QFile file(Path("bad.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        "[General]\nMain_ShowTips=maybe\nTransparency=999\nBase_Graph=1,2\nSec_Graph=1,1\n"
        "PhAttrib=255,7,9\nEmAttrib=x,y,z\nPersonIndex=\n");
    file.close();
    QtSettingsStore store(Path("bad.ini"));
    const AppSettings s = LoadAppSettings(store).settings;
    QVERIFY(s.showTips);  // unreadable: the default of an existing key
    QCOMPARE(s.transparency, 0);
    QCOMPARE(s.Graph(GraphPage::Base), (GraphSetting{0, 0}));
    QCOMPARE(s.Graph(GraphPage::Sec), (GraphSetting{1, 1}));
    QVERIFY(s.pens[0] == (ChartAttrib{255, 0, 1}));
    QVERIFY(s.pens[1] == DefaultChartAttrib(RhythmId::Emotional));
}

void QtSettingsStoreTest::missingUnwritableAndReadOnlyFiles() {
    QtSettingsStore none(Path("none.ini"));
    QVERIFY(!none.HasKey(""));
    QVERIFY(LoadAppSettings(none).firstStart);
    // A file inside a "folder" that is a plain file can never be created, not even by root.
    QFile blocker(Path("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore store(Path("blocker") + QStringLiteral("/settings.ini"));
    QVERIFY(!SaveAppSettings(store, AppSettings{}, StoredSelection{}));

    QtSettingsStore readOnly(Path("ro.ini"));
    readOnly.SetReadOnly(true);
    QVERIFY(!WriteInt(readOnly, "", "Transparency", 5));
    QVERIFY(!readOnly.Flush());
    QVERIFY(!QFile::exists(Path("ro.ini")));
}

int RunQtSettingsStoreTests(int argc, char** argv) {
    QtSettingsStoreTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "QtSettingsStore_test.moc"
