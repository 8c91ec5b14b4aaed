#include "gui/people/TSelectGroupForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/people/DialogSupport.h"
#include "gui/people/GroupItemDelegate.h"
#include "gui/people/GroupListModel.h"

namespace vitalune::ui {

TSelectGroupForm::TSelectGroupForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SelectGroupForm"));
    setWindowTitle(QString::fromLatin1(kSelectGroupCaption));
    setWindowModality(Qt::WindowModal);

    m_model = new GroupListModel(this);
    m_groupSel = people::RowList("GroupSel", QStringLiteral("Groups"));
    m_groupSel->setModel(m_model);
    m_groupSel->setItemDelegate(new GroupItemDelegate(m_groupSel));
    m_groupSel->setSelectionMode(QAbstractItemView::SingleSelection);
    m_frame = new QGroupBox(QString::fromLatin1(kCopyFrameCaption));
    m_frame->setObjectName(QStringLiteral("GroupBox1"));
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_groupSel);

    m_ok =
        people::DialogButton("OkButton", QStringLiteral("OK"), QStringLiteral("Complete action"));
    m_cancel = people::DialogButton("CanxButton", QStringLiteral("Cancel"),
                                    QStringLiteral("Cancel action (ESC)"));
    m_ok->setDefault(true);
    m_cancel->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    setTabOrder(m_groupSel, m_ok);
    setTabOrder(m_ok, m_cancel);

    connect(m_groupSel->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TSelectGroupForm::GroupSelChange);
    connect(m_groupSel, &QListView::doubleClicked, this, &TSelectGroupForm::GroupSelDblClick);
    connect(m_ok, &QPushButton::clicked, this, &TSelectGroupForm::OkButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &TSelectGroupForm::CanxButtonClick);

    resize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 20);
}

TSelectGroupForm::~TSelectGroupForm() = default;

std::optional<std::size_t> TSelectGroupForm::Ask(QWidget* parent, const NamesDatabase& db,
                                                 std::size_t editorGroup, bool moveMode) {
    const people::AskedBy askedBy(*this, parent);
    Prepare(db, editorGroup, moveMode);
    exec();
    // The database is the caller's; nothing here reads it once the answer is given.
    m_model->SetDatabase(nullptr);
    return m_result;
}

void TSelectGroupForm::Prepare(const NamesDatabase& db, std::size_t editorGroup, bool moveMode) {
    m_result.reset();
    m_editorGroup = editorGroup;
    m_frame->setTitle(QString::fromLatin1(moveMode ? kMoveFrameCaption : kCopyFrameCaption));
    m_model->SetDatabase(&db);
    if (m_model->rowCount() > 0) {
        m_groupSel->setCurrentIndex(m_model->index(0));
    }
    GroupSelChange();
    m_groupSel->setFocus();
}

std::optional<std::size_t> TSelectGroupForm::SelectedGroup() const {
    const QModelIndex current = m_groupSel->currentIndex();
    if (!current.isValid()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(current.row());
}

void TSelectGroupForm::GroupSelChange() {
    const auto group = SelectedGroup();
    m_ok->setEnabled(group && *group != m_editorGroup);
}

void TSelectGroupForm::GroupSelDblClick(const QModelIndex&) {
    if (m_ok->isEnabled()) {
        OkButtonClick();
    }
}

void TSelectGroupForm::OkButtonClick() {
    const auto group = SelectedGroup();
    if (!group || *group == m_editorGroup) {
        return;
    }
    m_result = group;
    accept();
}

void TSelectGroupForm::CanxButtonClick() {
    reject();
}

void TSelectGroupForm::done(int result) {
    if (result != Accepted) {
        m_result.reset();
    }
    QDialog::done(result);
}

}  // namespace vitalune::ui
