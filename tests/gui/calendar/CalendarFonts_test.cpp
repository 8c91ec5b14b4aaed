// The calendar's font dialog driven through its controls, offscreen, with the font and colour
// dialogs answered by the test.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "gui/calendar/TCFont.h"
#include "gui/widgets/FontTextQt.h"

using namespace vitalune;
using namespace vitalune::ui;

namespace {

void Click(const QObject& window, const char* button) {
    auto* control = window.findChild<QAbstractButton*>(QString::fromLatin1(button));
    QVERIFY2(control, button);
    control->click();
}

QListWidget* List(const QObject& window) {
    return window.findChild<QListWidget*>(QStringLiteral("FList"));
}

// Settings unlike the defaults in every font, one of them the program's default font.
CalendarSettings Edited() {
    CalendarSettings s = DefaultCalendarSettings();
    s.month = FontText{"DejaVu Serif", 15, 0x00112233, false, true, false, false};
    s.name = std::nullopt;
    s.dayNames = FontText{"Arial", 11, 0x00FF0000, true, false, true, false};
    s.digits = FontText{"Verdana", 19, 0x00000080, false, false, false, true};
    s.showAge = false;
    return s;
}

struct Asked {
    QFont font;
    QColor colour;
    int minSize = 0;
    int maxSize = 0;
};

}  // namespace

class CalendarFontsTest : public QObject {
    Q_OBJECT
  private slots:
    void resetThenCancelRestores_data();
    void resetThenCancelRestores();
    void changeFontKeepsTheLimits_data();
    void changeFontKeepsTheLimits();
    void colourAndRefusals();
    void listKeepsTheLastChoice();

  private:
    const QFont m_fallback{QStringLiteral("Sans"), 9};
};

void CalendarFontsTest::resetThenCancelRestores_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Cancel button") << 0;
    QTest::newRow("Escape") << 1;
    QTest::newRow("window closed") << 2;
}

void CalendarFontsTest::resetThenCancelRestores() {
    QFETCH(int, how);
    TCFont dialog;
    CalendarSettings settings = Edited();
    int redraws = 0;
    dialog.Prepare(settings, m_fallback, [&] { ++redraws; });
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    Click(dialog, "Reset");
    QCOMPARE(redraws, 1);
    CalendarSettings reset = DefaultCalendarSettings();
    reset.showAge = false;  // the switches are not the dialog's
    QCOMPARE(settings, reset);

    if (how == 0) {
        Click(dialog, "Cancel");
    } else if (how == 1) {
        QTest::keyClick(List(dialog), Qt::Key_Escape);
    } else {
        dialog.close();
    }
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings, Edited());
    QCOMPARE(redraws, 2);
}

void CalendarFontsTest::changeFontKeepsTheLimits_data() {
    QTest::addColumn<int>("element");
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("kept");
    QTest::newRow("month 30") << int(TCFont::HeaderMonth) << 30 << 20;
    QTest::newRow("name 14") << int(TCFont::HeaderName) << 14 << 14;
    QTest::newRow("days 26") << int(TCFont::CalendarDays) << 26 << 26;
    QTest::newRow("days 40") << int(TCFont::CalendarDays) << 40 << 26;
    QTest::newRow("digits 21") << int(TCFont::CalendarDigits) << 21 << 20;
    QTest::newRow("digits 8") << int(TCFont::CalendarDigits) << 8 << 10;
}

void CalendarFontsTest::changeFontKeepsTheLimits() {
    QFETCH(int, element);
    QFETCH(int, answered);
    QFETCH(int, kept);
    TCFont dialog;
    std::optional<Asked> asked;
    dialog.SetFontChooser([&](QWidget*, const QFont& font, const QColor& colour, int minSize,
                              int maxSize) -> std::optional<std::pair<QFont, QColor>> {
        asked = Asked{font, colour, minSize, maxSize};
        QFont chosen(QStringLiteral("Noto Sans"), answered);
        chosen.setUnderline(true);
        return std::pair{chosen, QColor(0x10, 0x20, 0x30)};
    });
    CalendarSettings settings = DefaultCalendarSettings();
    const CalendarSettings before = settings;
    int redraws = 0;
    dialog.Prepare(settings, m_fallback, [&] { ++redraws; });
    List(dialog)->setCurrentRow(element);
    Click(dialog, "ChangeFont");

    // The chooser opens on the element's font and colour, with its limits.
    QVERIFY(asked);
    const std::optional<FontText>* fonts[] = {&before.month, &before.name, &before.dayNames,
                                              &before.digits};
    QCOMPARE(asked->font, FontFromText(*fonts[element], m_fallback));
    QCOMPARE(asked->colour, ColourFromText(*fonts[element]));
    QCOMPARE(asked->minSize, 10);
    QCOMPARE(asked->maxSize, element == TCFont::CalendarDays ? 26 : 20);

    const std::optional<FontText>* now[] = {&settings.month, &settings.name, &settings.dayNames,
                                            &settings.digits};
    QCOMPARE(**now[element], (FontText{"Noto Sans", kept, 0x00302010, false, false, true, false}));
    for (int other = 0; other < TCFont::ElementCount; ++other) {
        if (other != element) {
            QCOMPARE(*now[other], *fonts[other]);
        }
    }
    QCOMPARE(redraws, 1);
    const QString shown = dialog.findChild<QLabel*>(QStringLiteral("CurrentFont"))->text();
    QVERIFY2(shown.contains(QStringLiteral("Noto Sans %1 pt, underline").arg(kept)),
             qPrintable(shown));

    Click(dialog, "Ok");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(**now[element], (FontText{"Noto Sans", kept, 0x00302010, false, false, true, false}));
    QCOMPARE(redraws, 1);
}

void CalendarFontsTest::colourAndRefusals() {
    TCFont dialog;
    bool refuse = true;
    int fontAsks = 0;
    dialog.SetFontChooser([&](QWidget*, const QFont&, const QColor&, int,
                              int) -> std::optional<std::pair<QFont, QColor>> {
        ++fontAsks;
        return std::nullopt;
    });
    dialog.SetColourChooser([&](QWidget*, const QColor&) -> std::optional<QColor> {
        return refuse ? std::nullopt : std::optional<QColor>(QColor(0xFF, 0x80, 0x00));
    });
    CalendarSettings settings = Edited();
    int redraws = 0;
    dialog.Prepare(settings, m_fallback, [&] { ++redraws; });

    // Cancelled choices change nothing and redraw nothing.
    Click(dialog, "ChangeFont");
    Click(dialog, "ChangeColour");
    QCOMPARE(fontAsks, 1);
    QCOMPARE(settings, Edited());
    QCOMPARE(redraws, 0);

    // A colour keeps the face; the program's font becomes a font of its own, within the limits.
    refuse = false;
    Click(dialog, "ChangeColour");
    FontText month = *Edited().month;
    month.colour = 0x000080FF;
    QCOMPARE(settings.month, month);
    List(dialog)->setCurrentRow(TCFont::HeaderName);
    Click(dialog, "ChangeColour");
    QVERIFY(settings.name);
    QCOMPARE(settings.name->name, m_fallback.family().toStdString());
    QCOMPARE(settings.name->size, 10);
    QCOMPARE(settings.name->colour, 0x000080FFu);
    QCOMPARE(redraws, 2);

    // Enter accepts wherever the focus is.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(List(dialog), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(settings.month, month);
}

void CalendarFontsTest::listKeepsTheLastChoice() {
    TCFont dialog;
    CalendarSettings settings = DefaultCalendarSettings();
    dialog.Prepare(settings, m_fallback, [] {});
    QCOMPARE(dialog.Selected(), TCFont::HeaderMonth);
    QCOMPARE(List(dialog)->currentItem()->text(), QStringLiteral("Header - Month"));
    List(dialog)->setCurrentRow(TCFont::CalendarDays);
    Click(dialog, "Cancel");

    dialog.Prepare(settings, m_fallback, [] {});
    QCOMPARE(dialog.Selected(), TCFont::CalendarDays);
    QCOMPARE(List(dialog)->currentItem()->text(), QStringLiteral("Calendar - Days"));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("CurrentFont"))
                ->text()
                .contains(QStringLiteral("Sizes from 10 to 26 points")));
    Click(dialog, "Ok");

    TCFont another;
    another.Prepare(settings, m_fallback, [] {});
    QCOMPARE(another.Selected(), TCFont::HeaderMonth);
    const QStringList entries = {QStringLiteral("Header - Month"), QStringLiteral("Header - Name"),
                                 QStringLiteral("Calendar - Days"),
                                 QStringLiteral("Calendar - Digits")};
    for (int row = 0; row < entries.size(); ++row) {
        QCOMPARE(List(another)->item(row)->text(), entries[row]);
    }
}

QTEST_MAIN(CalendarFontsTest)
#include "CalendarFonts_test.moc"
