#include "gui/calendar/TCFont.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/help/HelpTopics.h"
#include "gui/widgets/ColourSwatch.h"
#include "gui/widgets/FontTextQt.h"
#include "gui/widgets/KeyDispatcher.h"

namespace vitalune::ui {

namespace {

struct ElementInfo {
    const char* entry;
    std::optional<FontText> CalendarSettings::*font;
    int maxSize;
};

constexpr std::array<ElementInfo, TCFont::ElementCount> kElements = {{
    {"Header - Month", &CalendarSettings::month, 20},
    {"Header - Name", &CalendarSettings::name, 20},
    {"Calendar - Days", &CalendarSettings::dayNames, 26},
    {"Calendar - Digits", &CalendarSettings::digits, 20},
}};

QPushButton* Button(const char* objectName, const QString& text, const QString& accessible,
                    const char* hint) {
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleName(accessible);
    button->setToolTip(QString::fromLatin1(hint));
    button->setAutoDefault(false);
    return button;
}

// QFontDialog cannot hold its sizes within limits, so its caption names them and the dialog
// clamps what comes back; the line under the list then shows the size that was kept.
std::optional<std::pair<QFont, QColor>> AskPlatformFont(QWidget* parent, const QFont& current,
                                                        const QColor& colour, int minSize,
                                                        int maxSize) {
    QFontDialog dialog(current, parent);
    dialog.setWindowTitle(QStringLiteral(" Font: %1 to %2 points").arg(minSize).arg(maxSize));
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return std::pair{dialog.selectedFont(), colour};
}

std::optional<QColor> AskPlatformColour(QWidget* parent, const QColor& current) {
    const QColor chosen = QColorDialog::getColor(current, parent, QStringLiteral(" Font colour"));
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

QString Describe(const std::optional<FontText>& text, const QFont& font) {
    QStringList parts{QStringLiteral("%1 %2 pt").arg(font.family()).arg(font.pointSize())};
    if (font.bold()) {
        parts << QStringLiteral("bold");
    }
    if (font.italic()) {
        parts << QStringLiteral("italic");
    }
    if (font.underline()) {
        parts << QStringLiteral("underline");
    }
    if (font.strikeOut()) {
        parts << QStringLiteral("strikeout");
    }
    const QString described = parts.join(QStringLiteral(", "));
    return text ? described : QStringLiteral("The program's font, %1").arg(described);
}

}  // namespace

TCFont::TCFont(QWidget* parent)
    : QDialog(parent), m_chooseFont(AskPlatformFont), m_chooseColour(AskPlatformColour) {
    setObjectName(QStringLiteral("CFont"));
    setWindowTitle(QString::fromLatin1(kCalendarFontCaption));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("FList"));
    m_list->setAccessibleName(QStringLiteral("Calendar elements"));
    m_list->setToolTip(QStringLiteral("List of Calendar's  elements available to change"));
    for (const ElementInfo& element : kElements) {
        m_list->addItem(QString::fromLatin1(element.entry));
    }
    m_list->setCurrentRow(HeaderMonth);
    const int rows = m_list->sizeHintForRow(0) * ElementCount + 2 * m_list->frameWidth();
    m_list->setMinimumHeight(rows);
    m_list->setMaximumHeight(rows);
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 4 * m_list->frameWidth());

    m_current = new QLabel;
    m_current->setObjectName(QStringLiteral("CurrentFont"));
    m_current->setWordWrap(true);
    m_current->setTextFormat(Qt::PlainText);
    m_current->setMinimumHeight(2 * m_current->fontMetrics().lineSpacing());
    m_current->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* frame = new QGroupBox(QStringLiteral(" Choose an element "));
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_list);
    frameLayout->addWidget(m_current);

    m_changeFont = Button("ChangeFont", QStringLiteral("&Change Font"),
                          QStringLiteral("Change Font"), "Change font for selected element");
    m_colour = Button("ChangeColour", QStringLiteral("Co&lour\u2026"), QStringLiteral("Colour"),
                      "Change colour for selected element");
    m_reset = Button("Reset", QStringLiteral("&Reset"), QStringLiteral("Reset"),
                     "Set all fonts into initial values");
    m_ok =
        Button("Ok", QStringLiteral("&Ok"), QStringLiteral("Ok"), "Accept changes and close form");
    m_cancel = Button("Cancel", QStringLiteral("Cancel"), QStringLiteral("Cancel"),
                      "Cancel changes and close form");
    // Enter closes with the changes kept wherever the focus is; Escape cancels.
    m_ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_changeFont);
    buttons->addWidget(m_colour);
    buttons->addWidget(m_reset);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);

    setTabOrder(m_list, m_changeFont);
    setTabOrder(m_changeFont, m_colour);
    setTabOrder(m_colour, m_reset);
    setTabOrder(m_reset, m_ok);
    setTabOrder(m_ok, m_cancel);

    connect(m_list, &QListWidget::currentRowChanged, this, &TCFont::ShowSelected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TCFont::ChangeFontClick);
    connect(m_changeFont, &QPushButton::clicked, this, &TCFont::ChangeFontClick);
    connect(m_colour, &QPushButton::clicked, this, &TCFont::ColourClick);
    connect(m_reset, &QPushButton::clicked, this, &TCFont::ResetClick);
    connect(m_ok, &QPushButton::clicked, this, &TCFont::OkClick);
    connect(m_cancel, &QPushButton::clicked, this, &TCFont::CancelClick);
}

void TCFont::Ask(CalendarSettings& settings, const QFont& fallback, std::function<void()> redraw) {
    Prepare(settings, fallback, std::move(redraw));
    adjustSize();
    CentreOverParent();
    exec();
}

void TCFont::Prepare(CalendarSettings& settings, const QFont& fallback,
                     std::function<void()> redraw) {
    m_settings = &settings;
    m_opened = settings;
    m_fallback = fallback;
    m_redraw = std::move(redraw);
    // The list keeps the element chosen last time.
    ShowSelected();
    m_list->setFocus();
}

TCFont::Element TCFont::Selected() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < ElementCount ? static_cast<Element>(row) : HeaderMonth;
}

int TCFont::MaxSize(Element element) {
    return kElements[static_cast<std::size_t>(element)].maxSize;
}

std::optional<FontText>& TCFont::Font(Element element) const {
    return (*m_settings).*kElements[static_cast<std::size_t>(element)].font;
}

void TCFont::ChangeFontClick() {
    if (!m_settings) {
        return;
    }
    const Element element = Selected();
    const std::optional<FontText>& font = Font(element);
    const auto chosen = m_chooseFont(this, FontFromText(font, m_fallback), ColourFromText(font),
                                     kCalendarFontMinSize, MaxSize(element));
    if (!chosen) {
        return;
    }
    FontText text = TextFromFont(chosen->first, ColourFromQColor(chosen->second));
    text.size = std::clamp(text.size, kCalendarFontMinSize, MaxSize(element));
    Font(element) = text;
    Changed();
}

void TCFont::ColourClick() {
    if (!m_settings) {
        return;
    }
    const Element element = Selected();
    std::optional<FontText>& font = Font(element);
    const auto chosen = m_chooseColour(this, ColourFromText(font));
    if (!chosen) {
        return;
    }
    // The program's font takes the colour as a font of its own, within the element's sizes.
    FontText text = font.value_or(TextFromFont(m_fallback, 0));
    text.size = std::clamp(text.size, kCalendarFontMinSize, MaxSize(element));
    text.colour = ColourFromQColor(*chosen);
    font = text;
    Changed();
}

void TCFont::ResetClick() {
    if (!m_settings) {
        return;
    }
    const CalendarSettings initial = DefaultCalendarSettings();
    for (const ElementInfo& element : kElements) {
        (*m_settings).*element.font = initial.*element.font;
    }
    Changed();
}

void TCFont::OkClick() {
    accept();
}

void TCFont::CancelClick() {
    reject();
}

void TCFont::done(int result) {
    // Escape and the window's close button cancel as the Cancel button does.
    if (result != Accepted && m_settings) {
        for (const ElementInfo& element : kElements) {
            (*m_settings).*element.font = m_opened.*element.font;
        }
        if (m_redraw) {
            m_redraw();
        }
    }
    m_settings = nullptr;
    m_redraw = nullptr;
    QDialog::done(result);
}

void TCFont::Changed() {
    ShowSelected();
    if (m_redraw) {
        m_redraw();
    }
}

void TCFont::ShowSelected() {
    const Element element = Selected();
    const QString limits = QStringLiteral("Sizes from %1 to %2 points")
                               .arg(kCalendarFontMinSize)
                               .arg(MaxSize(element));
    if (!m_settings) {
        m_current->setText(limits);
        return;
    }
    const std::optional<FontText>& font = Font(element);
    const QString text =
        Describe(font, FontFromText(font, m_fallback)) + QLatin1Char('\n') + limits;
    m_current->setText(text);
    m_current->setAccessibleName(text);
    m_colour->setIcon(ColourSwatch(ColourFromText(font)));
}

void TCFont::CentreOverParent() {
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    if (!over) {
        return;
    }
    QRect frame = frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    move(frame.topLeft());
}

void AddCalendarFontKeys(KeyDispatcher& dispatcher, TCFont& form) {
    dispatcher.AddWindow(&form, [] { return help_topic::kCalendar; }, {});
}

}  // namespace vitalune::ui
