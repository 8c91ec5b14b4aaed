#include "gui/people/TNewPersForm.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/db/NameRule.h"
#include "core/db/PersonLine.h"
#include "core/engine/Clock.h"
#include "gui/people/DialogSupport.h"
#include "gui/people/TDateHintForm.h"
#include "gui/platform/Utf8Text.h"
#include "gui/widgets/DayDateEdit.h"

namespace vitalune::ui {

namespace {

// "dd.mm.yyyy": the year with four digits, as this dialog has always written it.
std::string StoredDate(QDate date) {
    return QString::asprintf("%02d.%02d.%04d", date.day(), date.month(), date.year()).toStdString();
}

QRadioButton* SexButton(const char* name, const QString& text) {
    auto* button = new QRadioButton(text);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(text);
    // The handlers keep the two apart, so that a line without a sex can show neither.
    button->setAutoExclusive(false);
    return button;
}

}  // namespace

TNewPersForm::TNewPersForm(const Clock& clock, QWidget* parent) : QDialog(parent), m_clock(clock) {
    setObjectName(QStringLiteral("NewPersForm"));
    setWindowTitle(QString::fromLatin1(kCreatePersonCaption));
    // Modal to the window that asks, so that the help window stays usable beside it.
    setWindowModality(Qt::WindowModal);

    m_edit1 = new QLineEdit;
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setAccessibleName(QStringLiteral("Name"));
    m_nameFault = people::FaultLabel("NameFault");
    auto* nameLabel = new QLabel(QStringLiteral("Name"));
    nameLabel->setBuddy(m_edit1);

    m_date = DayDateEdit("NDate", QStringLiteral("Date of birth"));
    auto* dateLabel = new QLabel(QStringLiteral("Date of birth"));
    dateLabel->setBuddy(m_date);
    m_hintButton = people::DialogButton("Button1", QStringLiteral("Hint"),
                                        QStringLiteral("How to enter a date"));
    m_hintButton->setAccessibleName(QStringLiteral("Hint on entering dates"));
    m_hintButton->setAutoDefault(false);

    m_male = SexButton("Male", QStringLiteral("Male"));
    m_female = SexButton("Female", QStringLiteral("Female"));
    m_sexFault = people::FaultLabel("SexFault");

    m_ok = people::DialogButton("OkButton", QStringLiteral("OK"),
                                QStringLiteral("Accept changes and close form"));
    m_cancel = people::DialogButton("CanxButton", QStringLiteral("Cancel"),
                                    QStringLiteral("Cancel changes and close form (ESC)"));
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameLabel);
    layout->addWidget(m_edit1);
    layout->addWidget(m_nameFault);
    layout->addWidget(dateLabel);
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(m_date, 1);
    dateRow->addWidget(m_hintButton);
    layout->addLayout(dateRow);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(m_male);
    sexRow->addWidget(m_female);
    sexRow->addStretch(1);
    layout->addSpacing(4);
    layout->addLayout(sexRow);
    layout->addWidget(m_sexFault);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    setTabOrder(m_edit1, m_date);
    setTabOrder(m_date, m_hintButton);
    setTabOrder(m_hintButton, m_male);
    setTabOrder(m_male, m_female);
    setTabOrder(m_female, m_ok);
    setTabOrder(m_ok, m_cancel);

    m_hint = new TDateHintForm(this);

    connect(m_edit1, &QLineEdit::textChanged, this, &TNewPersForm::Edit1Change);
    connect(m_male, &QRadioButton::clicked, this, &TNewPersForm::MaleClick);
    connect(m_female, &QRadioButton::clicked, this, &TNewPersForm::FemaleClick);
    connect(m_hintButton, &QPushButton::clicked, this, &TNewPersForm::Button1Click);
    connect(m_ok, &QPushButton::clicked, this, &TNewPersForm::OkButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &TNewPersForm::CanxButtonClick);

    setMinimumWidth(fontMetrics().averageCharWidth() * 44);
}

TNewPersForm::~TNewPersForm() = default;

std::optional<std::string> TNewPersForm::Ask(QWidget* parent,
                                             const std::optional<std::string>& editLine) {
    const people::AskedBy askedBy(*this, parent);
    Prepare(editLine);
    exec();
    return m_result;
}

void TNewPersForm::Prepare(const std::optional<std::string>& editLine) {
    m_result.reset();
    if (editLine) {
        setWindowTitle(QString::fromLatin1(kEditPersonCaption));
        const Person person = SplitPersonLine(*editLine);
        m_edit1->setText(QUtf8(person.name));
        m_date->setDate(ToQDate(ParseDob(person.dateText)));
        m_male->setChecked(person.sex == "M");
        m_female->setChecked(person.sex == "F");
    } else {
        setWindowTitle(QString::fromLatin1(kCreatePersonCaption));
        m_edit1->clear();
        m_date->setDate(ToQDate(m_clock.Today()));
        m_male->setChecked(true);
        m_female->setChecked(false);
    }
    ShowFaults();
    m_edit1->selectAll();
    m_edit1->setFocus();
}

void TNewPersForm::Edit1Change() {
    ShowFaults();
}

void TNewPersForm::MaleClick() {
    m_male->setChecked(true);
    m_female->setChecked(false);
    ShowFaults();
}

void TNewPersForm::FemaleClick() {
    m_female->setChecked(true);
    m_male->setChecked(false);
    ShowFaults();
}

void TNewPersForm::ShowFaults() {
    const std::string name = TrimName(m_edit1->text().toStdString());
    const auto fault = NameFault(name, NameUse::Person);
    people::SetFault(m_nameFault, fault ? QUtf8(*fault) : QString());
    // A line without its sex letter would be dropped the next time the database is read.
    const bool sexChosen = m_male->isChecked() || m_female->isChecked();
    people::SetFault(m_sexFault, sexChosen ? QString() : QString::fromLatin1(kChooseSex));
    // Only a line read from elsewhere comes without one; no room is kept for it otherwise.
    m_sexFault->setVisible(!sexChosen);
    m_ok->setEnabled(!fault && sexChosen);
}

void TNewPersForm::OkButtonClick() {
    const std::string name = TrimName(m_edit1->text().toStdString());
    if (NameFault(name, NameUse::Person) || !(m_male->isChecked() || m_female->isChecked())) {
        ShowFaults();
        m_edit1->setFocus();
        return;
    }
    if (name.empty()) {
        m_result.reset();
    } else {
        m_result = name + "|" + StoredDate(m_date->date()) + (m_male->isChecked() ? "|M" : "|F");
    }
    accept();
}

void TNewPersForm::CanxButtonClick() {
    reject();
}

void TNewPersForm::Button1Click() {
    m_hint->ShowBeside(*this);
}

void TNewPersForm::done(int result) {
    if (result != Accepted) {
        m_result.reset();
    }
    m_hint->close();
    QDialog::done(result);
}

}  // namespace vitalune::ui
