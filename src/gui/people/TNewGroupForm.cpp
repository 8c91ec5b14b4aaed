#include "gui/people/TNewGroupForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/db/NameRule.h"
#include "gui/paint/art/Artwork.h"
#include "gui/people/DialogSupport.h"
#include "gui/platform/Utf8Text.h"

namespace vitalune::ui {

namespace {

constexpr int kPictureColumns = 8;

// The 48 pictures as a grid in the drop-down, eight to a row, so that all of them show at once.
QComboBox* PictureList() {
    auto* combo = new QComboBox;
    combo->setObjectName(QStringLiteral("GroupPicts"));
    combo->setAccessibleName(QStringLiteral("Group picture"));
    combo->setIconSize(QSize(16, 16));
    for (int i = 0; i < art::kGroupIconCount; ++i) {
        combo->addItem(art::PictureIcon(art::ImageList::GroupIcons, i), QString());
        const QString name = QStringLiteral("Picture %1").arg(i + 1);
        combo->setItemData(i, name, Qt::AccessibleTextRole);
        combo->setItemData(i, name, Qt::ToolTipRole);
    }
    auto* grid = new QListView;
    grid->setViewMode(QListView::IconMode);
    grid->setFlow(QListView::LeftToRight);
    grid->setWrapping(true);
    grid->setMovement(QListView::Static);
    grid->setResizeMode(QListView::Adjust);
    grid->setUniformItemSizes(true);
    grid->setGridSize(QSize(26, 26));
    grid->setSpacing(0);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * grid->frameWidth() + 4;
    grid->setMinimumSize(kPictureColumns * 26 + frame,
                         (art::kGroupIconCount / kPictureColumns) * 26 + frame);
    combo->setView(grid);
    // The combo box would make its popup as high as 48 rows of one picture; the grid needs
    // only its own height.
    combo->setMaxVisibleItems(art::kGroupIconCount / kPictureColumns);
    if (QWidget* popup = grid->parentWidget()) {
        popup->setMaximumHeight(grid->minimumHeight() + 2 * popup->contentsMargins().top());
    }
    return combo;
}

}  // namespace

TNewGroupForm::TNewGroupForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NewGroupForm"));
    setWindowTitle(QString::fromLatin1(kCreateGroupCaption));
    setWindowModality(Qt::WindowModal);

    m_edit1 = new QLineEdit;
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setAccessibleName(QStringLiteral("Group name"));
    m_nameFault = people::FaultLabel("NameFault");
    auto* nameBox = new QGroupBox(QStringLiteral(" Group name "));
    auto* nameLayout = new QVBoxLayout(nameBox);
    nameLayout->addWidget(m_edit1);
    nameLayout->addWidget(m_nameFault);

    // Filled once for the run: the pictures never change.
    m_pictures = PictureList();
    auto* pictureBox = new QGroupBox(QStringLiteral(" Group picture"));
    auto* pictureLayout = new QHBoxLayout(pictureBox);
    pictureLayout->addWidget(m_pictures);
    pictureLayout->addStretch(1);

    m_ok = people::DialogButton("OkButton", QStringLiteral("OK"));
    m_cancel = people::DialogButton("CanxButton", QStringLiteral("Cancel"));
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(nameBox);
    layout->addWidget(pictureBox);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    setTabOrder(m_edit1, m_pictures);
    setTabOrder(m_pictures, m_ok);
    setTabOrder(m_ok, m_cancel);

    connect(m_edit1, &QLineEdit::textChanged, this, &TNewGroupForm::Edit1Change);
    connect(m_ok, &QPushButton::clicked, this, &TNewGroupForm::OkButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &TNewGroupForm::CanxButtonClick);

    setMinimumWidth(fontMetrics().averageCharWidth() * 44);
}

std::optional<GroupChoice> TNewGroupForm::Ask(QWidget* parent,
                                              const std::optional<GroupChoice>& edit) {
    const people::AskedBy askedBy(*this, parent);
    Prepare(edit);
    exec();
    return m_result;
}

void TNewGroupForm::Prepare(const std::optional<GroupChoice>& edit) {
    m_result.reset();
    setWindowTitle(QString::fromLatin1(edit ? kEditGroupCaption : kCreateGroupCaption));
    m_edit1->setText(edit ? QUtf8(edit->name) : QString());
    // A picture number from outside the set shows the first picture.
    const int icon = edit ? edit->icon : 0;
    m_pictures->setCurrentIndex(icon >= 0 && icon < m_pictures->count() ? icon : 0);
    people::SetFault(m_nameFault, QString());
    m_ok->setEnabled(true);
    Edit1Change();
    m_edit1->selectAll();
    m_edit1->setFocus();
}

void TNewGroupForm::Edit1Change() {
    const auto fault = NameFault(TrimName(m_edit1->text().toStdString()), NameUse::Group);
    people::SetFault(m_nameFault, fault ? QUtf8(*fault) : QString());
    m_ok->setEnabled(!fault);
}

void TNewGroupForm::OkButtonClick() {
    const std::string name = TrimName(m_edit1->text().toStdString());
    if (const auto fault = NameFault(name, NameUse::Group)) {
        people::SetFault(m_nameFault, QUtf8(*fault));
        m_edit1->setFocus();
        return;
    }
    if (name.empty()) {
        people::SetFault(m_nameFault, QString::fromLatin1(kEmptyGroupName));
        m_edit1->setFocus();
        return;
    }
    m_result = GroupChoice{name, m_pictures->currentIndex()};
    accept();
}

void TNewGroupForm::CanxButtonClick() {
    reject();
}

void TNewGroupForm::done(int result) {
    if (result != Accepted) {
        m_result.reset();
    }
    QDialog::done(result);
}

}  // namespace vitalune::ui
