#include "gui/people/TDOBForm.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include "core/db/Birthdays.h"
#include "core/engine/Clock.h"
#include "core/settings/AppSettings.h"
#include "gui/people/BirthdayItemDelegate.h"
#include "gui/people/BirthdayListModel.h"
#include "gui/people/DialogSupport.h"
#include "gui/platform/Shell.h"
#include "gui/widgets/DayDateEdit.h"
#include "gui/widgets/KeyDispatcher.h"
#include "gui/widgets/LookUpIcons.h"
#include "gui/widgets/WindowPlacement.h"

namespace vitalune::ui {

namespace {

constexpr const char* kFormName = "DOBForm";

QString L(const char* text) {
    return QString::fromLatin1(text);
}

QToolButton* PictureButton(const char* name, const char* hint, const QIcon& icon) {
    auto* button = new QToolButton;
    button->setObjectName(L(name));
    button->setToolTip(L(hint));
    button->setAccessibleName(L(hint).trimmed());
    button->setIcon(icon);
    button->setIconSize(QSize(16, 16));
    return button;
}

}  // namespace

TDOBForm::TDOBForm(DOBContext context, QWidget* parent)
    : ProgramDialog(kFormName, context.store, parent), m_context(std::move(context)) {
    setWindowTitle(L(kDOBCaption));
    setModal(true);
    BuildControls();
    resize(std::max(330, sizeHint().width()), std::max(380, sizeHint().height()));
    RestorePlace();
}

TDOBForm::~TDOBForm() = default;

void TDOBForm::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* dateRow = new QHBoxLayout;
    m_birthDate = DayDateEdit("BirthDate", QStringLiteral("Birthday date"));
    m_birthDate->setToolTip(QStringLiteral("Set a date"));
    auto* dayMinus = new QPushButton(QStringLiteral("<"));
    dayMinus->setObjectName(QStringLiteral("DayMinus"));
    dayMinus->setToolTip(QStringLiteral("Previous day (Left)"));
    dayMinus->setAccessibleName(QStringLiteral("Previous day"));
    auto* dayPlus = new QPushButton(QStringLiteral(">"));
    dayPlus->setObjectName(QStringLiteral("DayPlus"));
    dayPlus->setToolTip(QStringLiteral("Next day (Right)"));
    dayPlus->setAccessibleName(QStringLiteral("Next day"));
    for (QPushButton* b : {dayMinus, dayPlus}) {
        b->setAutoDefault(false);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<")) * 2 + 24);
    }
    QToolButton* info = PictureButton("GetInfo1Btn", "Ask Web about this person ", WebIcon());
    QToolButton* pictures = PictureButton("GetPict1Btn", "Find suitable images", PicturesIcon());
    dateRow->addWidget(m_birthDate, 1);
    dateRow->addWidget(dayMinus);
    dateRow->addWidget(dayPlus);
    dateRow->addSpacing(8);
    dateRow->addWidget(info);
    dateRow->addWidget(pictures);
    layout->addLayout(dateRow);

    auto* frame = new QGroupBox(QStringLiteral(" Happy birthday to  "));
    frame->setObjectName(QStringLiteral("GroupBox1"));
    auto* frameLayout = new QVBoxLayout(frame);
    m_model = new BirthdayListModel(*m_context.db, this);
    m_partyList = people::RowList("PartyList", QStringLiteral("Birthdays"),
                                  QStringLiteral("Double click to get an info from the Web"));
    m_partyList->setModel(m_model);
    m_partyList->setItemDelegate(new BirthdayItemDelegate(m_partyList));
    frameLayout->addWidget(m_partyList);
    layout->addWidget(frame, 1);

    auto* bottom = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setToolTip(QStringLiteral("Close (ESC)"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    bottom->addStretch(1);
    bottom->addWidget(ok);
    layout->addLayout(bottom);

    connect(m_birthDate, &QDateEdit::dateChanged, this, &TDOBForm::BirthDateChange);
    connect(dayMinus, &QPushButton::clicked, this, &TDOBForm::DayMinusClick);
    connect(dayPlus, &QPushButton::clicked, this, &TDOBForm::DayPlusClick);
    connect(info, &QToolButton::clicked, this, &TDOBForm::GetInfo1BtnClick);
    connect(pictures, &QToolButton::clicked, this, &TDOBForm::GetPict1BtnClick);
    connect(m_partyList, &QListView::doubleClicked, this, &TDOBForm::PartyListDblClick);
    connect(ok, &QPushButton::clicked, this, &TDOBForm::OKBtnClick);
}

void TDOBForm::Open(QWidget* over) {
    KeepAbove(over);
    FormShow();
    exec();
}

void TDOBForm::FormShow() {
    const std::int32_t today = m_context.clock ? m_context.clock->Today() : 0;
    if (PickedDay() == today) {
        m_model->Rebuild(today);  // the database may have changed since the last showing
    } else {
        SetPickedDay(today);
    }
    m_partyList->setFocus(Qt::OtherFocusReason);
}

std::int32_t TDOBForm::PickedDay() const {
    return FromQDate(m_birthDate->date());
}

void TDOBForm::SetPickedDay(std::int32_t day) {
    m_birthDate->setDate(ToQDate(ClampDay(day)));
}

bool TDOBForm::DatePickerFocused() const {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == m_birthDate || m_birthDate->isAncestorOf(focus));
}

void TDOBForm::BirthDateChange() {
    m_model->Rebuild(PickedDay());
    if (m_model->rowCount() > 1) {
        m_partyList->setCurrentIndex(m_model->index(1));  // the first person
    }
    m_partyList->scrollToTop();
}

void TDOBForm::StepDay(int delta) {
    SetPickedDay(AddDays(PickedDay(), delta));
}

void TDOBForm::DayMinusClick() {
    StepDay(-1);
}

void TDOBForm::DayPlusClick() {
    StepDay(+1);
}

void TDOBForm::WebLookUp(const std::string& searchAddress) {
    const QModelIndex current = m_partyList->currentIndex();
    if (!current.isValid() || current.row() == 0 || !m_context.shell) {
        return;
    }
    const BirthdayEntry& entry = m_model->Entries()[static_cast<std::size_t>(current.row())];
    if (entry.kind != BirthdayEntry::Kind::Person) {
        return;
    }
    const auto failed = OpenWebSearch(*m_context.shell, searchAddress, entry.text);
    if (failed && m_context.showMessage) {
        m_context.showMessage(this, *failed);
    }
}

void TDOBForm::GetInfo1BtnClick() {
    if (m_context.settings) {
        WebLookUp(m_context.settings->textSearchUrl);
    }
}

void TDOBForm::GetPict1BtnClick() {
    if (m_context.settings) {
        WebLookUp(m_context.settings->imageSearchUrl);
    }
}

void TDOBForm::PartyListDblClick() {
    GetInfo1BtnClick();
}

void TDOBForm::OKBtnClick() {
    accept();
}

void AddBirthdayListKeys(KeyDispatcher& dispatcher, TDOBForm& form) {
    dispatcher.AddWindow(&form, nullptr, [&form](const KeyStroke& stroke) {
        if ((stroke.key != Qt::Key_Left && stroke.key != Qt::Key_Right) ||
            form.DatePickerFocused()) {
            return false;
        }
        if (stroke.key == Qt::Key_Left) {
            form.DayMinusClick();
        } else {
            form.DayPlusClick();
        }
        return true;
    });
}

}  // namespace vitalune::ui
