// The lines settings driven offscreen: every change goes into the pens at once and shows in
// its row and the example; Reset, Monochrome, Notes; Cancel, Escape's close and Ok.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "gui/paint/GdiCanvas.h"
#include "gui/paint/LinesExamplePainter.h"
#include "gui/settings/TCColors.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

const char* const kPrefixes[kRhythmCount] = {"PH",     "EM", "INTL", "INTV", "WS",      "MA",
                                             "PA",     "AE", "AW",   "SP",   "BASEOVL", "SECOVL",
                                             "ICHOVL", "PE", "PS",   "SU",   "EXTOVL"};

// Pens unlike the defaults and the monochrome ones.
ChartAttribTable Custom() {
    ChartAttribTable pens{};
    for (std::size_t i = 0; i < pens.size(); ++i) {
        pens[i] = {static_cast<Colour>(0x00010203 * (i + 1)), 4, 3};
    }
    return pens;
}

struct Fixture {
    ChartAttribTable pens = Custom();
    Colour answer = 0x00123456;  // the colour dialog's choice
    bool cancelColour = false;
    QStringList notes;
    QStringList asked;  // the colour dialog's line and starting colour
    int changes = 0;
    std::unique_ptr<TCColors> dialog;

    Fixture() {
        LinesContext c;
        c.askColour = [this](QWidget*, Colour start, const QString& line) {
            asked << QStringLiteral("%1 %2").arg(line).arg(start, 0, 16);
            return cancelColour ? std::nullopt : std::optional<Colour>(answer);
        };
        c.showNotes = [this](QWidget*, const QString& title, const QString& text) {
            notes << title << text;
        };
        dialog = std::make_unique<TCColors>(c);
        dialog->Prepare(pens, [this] { ++changes; });
    }
    template <typename T = QWidget>
    T* W(const QString& name) const {
        T* w = dialog->findChild<T*>(name);
        if (!w) {
            qFatal("no control %s", qPrintable(name));
        }
        return w;
    }
    template <typename T = QWidget>
    T* Row(RhythmId slot, const char* part) const {
        return W<T>(QLatin1String(kPrefixes[static_cast<int>(slot)]) + QLatin1String(part));
    }
    void Click(const char* name) const { W<QPushButton>(QLatin1String(name))->click(); }
    // Each row as the dialog shows it matches the pens.
    void CheckRows() const {
        for (int i = 0; i < kRhythmCount; ++i) {
            const auto slot = static_cast<RhythmId>(i);
            const ChartAttrib& pen = pens[static_cast<std::size_t>(i)];
            QCOMPARE(Row<QLabel>(slot, "L")->palette().color(QPalette::WindowText),
                     paint::ToQColor(pen.colour));
            QCOMPARE(Row<QComboBox>(slot, "ST")->currentIndex(), pen.style);
            QCOMPARE(Row<QComboBox>(slot, "SZ")->currentIndex(), pen.width - 1);
        }
    }
};

class LinesTest : public QObject {
    Q_OBJECT
  private slots:
    void everyChangeGoesIntoThePens() {
        Fixture f;
        f.CheckRows();
        f.Row<QPushButton>(RhythmId::Physical, "B")->click();
        f.Row<QComboBox>(RhythmId::Emotional, "ST")->setCurrentIndex(2);
        f.Row<QComboBox>(RhythmId::ExtraOverall, "SZ")->setCurrentIndex(0);
        f.Row<QPushButton>(RhythmId::ExtraOverall, "B")->click();
        f.cancelColour = true;
        f.Row<QPushButton>(RhythmId::Success, "B")->click();
        ChartAttribTable expected = Custom();
        expected[0].colour = f.answer;
        expected[1].style = 2;
        expected[16] = {f.answer, 4, 1};
        QCOMPARE(f.pens, expected);
        QCOMPARE(f.changes, 4);
        QCOMPARE(f.asked, QStringList({"Physical 10203", "Overall (Extra charts) 112233",
                                       "Success 102030"}));
        f.CheckRows();

        f.Click("ResetBtn");
        QCOMPARE(f.pens, DefaultChartAttribs());
        f.CheckRows();
        f.Click("NotesBtn");
        QCOMPARE(f.notes, QStringList({QStringLiteral("Chart notes"),
                                       QStringLiteral("Dotted or dashed styles are not available "
                                                      "on Win95/98 \nDotted or dashed styles are "
                                                      "not available when the Width property is "
                                                      "not 1")}));
    }

    void monochromeKeepsColours() {
        Fixture f;
        f.Click("MonoBtn");
        for (int i = 0; i < kRhythmCount; ++i) {
            const auto slot = static_cast<RhythmId>(i);
            QCOMPARE(f.pens[static_cast<std::size_t>(i)].colour,
                     Custom()[static_cast<std::size_t>(i)].colour);
            const bool overall = RhythmCatalogue(slot).componentCount == 3;
            QCOMPARE(f.pens[static_cast<std::size_t>(i)].width, overall ? 2 : 1);
        }
        QCOMPARE(f.pens[3].style, 3);  // Intuitive dash-dot
        f.CheckRows();
    }

    // Cancel, Escape's close and the close button put back the pens found on opening; Ok
    // keeps the changes.
    void cancelRestoresTheSeventeenPens() {
        const std::function<void(TCColors&)> closes[] = {
            [](TCColors& d) { d.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click(); },
            [](TCColors& d) { d.close(); },
        };
        for (const auto& close : closes) {
            Fixture f;
            f.dialog->show();
            f.Row<QPushButton>(RhythmId::Wisdom, "B")->click();
            f.Click("ResetBtn");
            f.Click("MonoBtn");
            const int before = f.changes;
            close(*f.dialog);
            QCOMPARE(f.pens, Custom());
            QCOMPARE(f.changes, before + 1);  // the charts behind show the pens put back
            QCOMPARE(f.dialog->result(), int(QDialog::Rejected));
        }
        Fixture f;
        f.dialog->show();
        f.Click("MonoBtn");
        f.Click("OkBtn");
        ChartAttribTable expected = Custom();
        ApplyMonochromeChartAttribs(expected);
        QCOMPARE(f.pens, expected);
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
    }

    // The example draws the curves of the tab shown with the pens as they are now.
    void exampleFollowsTabAndPens() {
        Fixture f;
        f.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
        const auto intuitiveTop = [&f] {
            const QImage image = f.dialog->ExampleImage();
            const int middle = image.height() / 2;
            return image.pixel(60, middle - paint::ExampleAmplitude(image.height(), 3));
        };
        f.dialog->SetPage(paint::ChartPage::Primary);
        QCOMPARE(intuitiveTop(), paint::ToQColor(f.pens[3].colour).rgb());
        f.Row<QPushButton>(RhythmId::Intuitive, "B")->click();
        QCOMPARE(intuitiveTop(), paint::ToQColor(f.answer).rgb());
        f.dialog->SetPage(paint::ChartPage::Secondary);  // three curves: nothing there
        QCOMPARE(intuitiveTop(), qRgb(255, 255, 255));
        QCOMPARE(f.dialog->findChild<QWidget*>(QStringLiteral("Example"))->toolTip(),
                 QStringLiteral("Charts example"));
    }
};

}  // namespace

QTEST_MAIN(LinesTest)
#include "Lines_test.moc"
