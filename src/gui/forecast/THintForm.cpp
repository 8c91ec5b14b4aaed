#include "gui/forecast/THintForm.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <array>

#include "core/dayreport/DayTexts.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::ui {

namespace {

constexpr int kBelowOwnerTop = 110;
constexpr int kRightOfOwner = 5;
// The box's size at the default font, and that font's average character width and line
// spacing: the box grows with a larger font so that it holds as many words.
constexpr QSize kBoxSize{227, 137};
constexpr double kDefaultCharWidth = 5.0;
constexpr double kDefaultLineSpacing = 13.0;

struct Descriptor {
    const char* key;
    QString text;
};

QString Extreme(int index) {
    return QUtf8(ExtremeTexts::Body(index));
}

QString Instability(int primary) {
    return QUtf8(InstabilityTexts::Title(primary)) + QLatin1String(". ") +
           QUtf8(InstabilityTexts::Body(primary));
}

const std::array<Descriptor, 18>& HintDescriptors() {
    static const std::array<Descriptor, 18> table = {{
        {"Spict",
         QStringLiteral("Show days when overall state is good for any activity (usually 75% and "
                        "higher). We estimate objectively an environment and ourselves. We can "
                        "realize the hidden abilities. It enables to determine personal prospects "
                        "and to make strategic plans.")},
        {"Sphpict", Extreme(8)},
        {"Sempict", Extreme(9)},
        {"Sinlpict", Extreme(10)},
        {"Sinvpict", Extreme(11)},
        {"Rpict",
         QStringLiteral("Show days when overall state is bad enough (usually less than 25%). It's "
                        "time for relaxation, slow down the activities or have a rest. It's not "
                        "time to make decisions for the important affairs. You'd better postpone "
                        "them up.")},
        {"Rphpict", Extreme(4)},
        {"Rempict", Extreme(5)},
        {"Rinlpict", Extreme(6)},
        {"Rinvpict", Extreme(7)},
        {"Cpict",
         QStringLiteral("Show every critical day. Critical days are days when one's bio cycle "
                        "changes from positive to negative and vice versa. The changes in the "
                        "cycle are characterized by instability of capabilities that are related "
                        "to a particular biorhythm.")},
        {"Cphpict", Instability(0)},
        {"Cempict", Instability(1)},
        {"Cinlpict", Instability(2)},
        {"Cinvpict", Instability(3)},
        {"Str_allpict", QStringLiteral("Show every stressful day.")},
        {"Str_womenpict", Extreme(0)},
        {"Str_menpict", Extreme(1)},
    }};
    return table;
}

}  // namespace

QString HintDescriptor(const QString& pictureName) {
    for (const Descriptor& d : HintDescriptors()) {
        if (pictureName == QLatin1String(d.key)) {
            return d.text;
        }
    }
    return QString::fromLatin1(kDescriptorNotFound);
}

THintForm::THintForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HintForm"));
    setWindowTitle(QString::fromLatin1(kHintCaption));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_text = new QTextBrowser;
    m_text->setObjectName(QStringLiteral("Memo1"));
    m_text->setAccessibleName(QStringLiteral("Description"));
    m_text->setFocusPolicy(Qt::NoFocus);
    m_text->setTextInteractionFlags(Qt::NoTextInteraction);
    m_text->setFrameShape(QFrame::NoFrame);
    layout->addWidget(m_text);
    const QFontMetricsF metrics(font());
    resize(qRound(kBoxSize.width() * metrics.averageCharWidth() / kDefaultCharWidth),
           qRound(kBoxSize.height() * metrics.lineSpacing() / kDefaultLineSpacing));
}

QString THintForm::Text() const {
    return m_text->toPlainText();
}

void THintForm::ShowFor(const QString& pictureName, const QWidget& owner) {
    m_text->setPlainText(HintDescriptor(pictureName));
    m_text->verticalScrollBar()->setValue(0);
    PlaceBeside(owner);
    show();
    raise();
}

void THintForm::PlaceBeside(const QWidget& owner) {
    const QRect around = owner.frameGeometry();
    const QSize frame = frameGeometry().size().expandedTo(size());
    QPoint at(around.right() + 1 + kRightOfOwner, around.top() + kBelowOwnerTop);
    const QScreen* screen = owner.screen() ? owner.screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        if (at.x() + frame.width() > area.right() + 1) {
            at.setX(std::max(area.left(), around.left() - kRightOfOwner - frame.width()));
        }
        at.setY(std::clamp(at.y(), area.top(),
                           std::max(area.top(), area.bottom() + 1 - frame.height())));
    }
    move(at);
}

}  // namespace vitalune::ui
