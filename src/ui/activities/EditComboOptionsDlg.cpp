#include "ui/activities/EditComboOptionsDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "core/activities/Texts.h"
#include "core/base/Prompter.h"
#include "core/entry/OptionLists.h"
#include "core/settings/Settings.h"
#include "ui/activities/GetNewItemDlg.h"
#include "ui/activities/OptionListModel.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

namespace tx = kt::activities_text;

const QColor kListBackground(220, 255, 220);

// The label editor takes no more characters than an item keeps.
class ItemEditDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(static_cast<int>(kt::kMaxOptionItemLength));
        return editor;
    }
};

}  // namespace

CEditComboOptionsDlg::CEditComboOptionsDlg(kt::Settings& settings, kt::OptionListEditor editor, kt::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_prompter(prompter) {
    setObjectName(QStringLiteral("editComboOptionsDlg"));
    m_model = new COptionListModel(std::move(editor), this);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("optionsStatus"));
    m_status->setWordWrap(true);
    QFont statusFont = m_status->font();
    statusFont.setBold(true);
    m_status->setFont(statusFont);
    // Room for the longest status line, so the list does not jump when it grows.
    m_status->setMinimumHeight(4 * m_status->fontMetrics().lineSpacing());
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("optionsList"));
    m_list->setModel(m_model);
    m_list->setItemDelegate(new ItemEditDelegate(m_list));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->verticalHeader()->setVisible(false);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 8);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setSectionsClickable(false);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setTextElideMode(Qt::ElideMiddle);
    QPalette listPalette = m_list->palette();
    listPalette.setColor(QPalette::Base, kListBackground);
    m_list->setPalette(listPalette);
    m_list->setMinimumSize(340, 320);

    auto* side = new QVBoxLayout;
    side->addWidget(MakeButton(Button::Remove, tx::kRemoveItem));
    side->addWidget(MakeButton(Button::Add, tx::kAddItem));
    side->addSpacing(12);
    side->addWidget(MakeButton(Button::MoveUp, tx::kMoveUp));
    side->addWidget(MakeButton(Button::MoveToTop, tx::kMoveToTop));
    side->addWidget(MakeButton(Button::MoveDown, tx::kMoveDown));
    side->addWidget(MakeButton(Button::MoveToBottom, tx::kMoveToBottom));
    side->addStretch(1);
    side->addWidget(MakeButton(Button::SaveChanges, tx::kSaveChanges));
    side->addWidget(MakeButton(Button::Switch, ""));

    auto* box = new QDialogButtonBox(this);
    m_buttons[static_cast<size_t>(Button::Ok)] = box->addButton(ToQ(tx::kOk), QDialogButtonBox::AcceptRole);
    m_buttons[static_cast<size_t>(Button::Cancel)] = box->addButton(ToQ(tx::kCancel), QDialogButtonBox::RejectRole);
    GetButton(Button::Ok)->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &CEditComboOptionsDlg::accept);
    connect(box, &QDialogButtonBox::rejected, this, &CEditComboOptionsDlg::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_list, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addLayout(middle, 1);
    layout->addWidget(box);

    for (Button b : {Button::MoveUp, Button::MoveDown, Button::MoveToTop, Button::MoveToBottom}) {
        connect(GetButton(b), &QPushButton::clicked, this, [this, b] { OnMove(b); });
    }
    connect(GetButton(Button::Remove), &QPushButton::clicked, this, [this] { m_model->Remove(SelectedRow()); });
    connect(GetButton(Button::Add), &QPushButton::clicked, this, &CEditComboOptionsDlg::OnAdd);
    connect(GetButton(Button::SaveChanges), &QPushButton::clicked, this, &CEditComboOptionsDlg::ApplyStep);
    connect(GetButton(Button::Switch), &QPushButton::clicked, this, &CEditComboOptionsDlg::OnSwitch);
    connect(m_model, &COptionListModel::edited, this, &CEditComboOptionsDlg::OnEdited);
    // Told after the label editor has closed, not from inside its commit.
    connect(
        m_model, &COptionListModel::renameRefused, this, [this] { m_prompter.Message(tx::kNoPosition); }, Qt::QueuedConnection);

    GetButton(Button::SaveChanges)->setEnabled(false);
    if (Editor().Mode() == kt::OptionListMode::ActivityTypes) {
        for (Button b : {Button::Add, Button::SaveChanges, Button::Switch}) {
            GetButton(b)->setEnabled(false);
            GetButton(b)->setVisible(false);
        }
    }
    ShowMode();
    ShowStatus();
    resize(560, 480);
}

QPushButton* CEditComboOptionsDlg::MakeButton(Button b, const char* caption) {
    auto* button = new QPushButton(ToQ(caption), this);
    button->setAutoDefault(false);
    m_buttons[static_cast<size_t>(b)] = button;
    return button;
}

const kt::OptionListEditor& CEditComboOptionsDlg::Editor() const { return m_model->Editor(); }

int CEditComboOptionsDlg::SelectedRow() const {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void CEditComboOptionsDlg::Select(std::optional<int> row) {
    // Every edit gives the view new rows; the row to select is chosen here again.
    if (!row) return;
    const QModelIndex index = m_model->index(*row, 0);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
}

void CEditComboOptionsDlg::OnMove(Button b) {
    const int row = SelectedRow();
    if (row < 0) return;
    std::optional<int> to;
    switch (b) {
        case Button::MoveUp:
            to = m_model->MoveUp(row);
            break;
        case Button::MoveDown:
            to = m_model->MoveDown(row);
            break;
        case Button::MoveToTop:
            to = m_model->MoveToTop(row);
            break;
        case Button::MoveToBottom:
            to = m_model->MoveToBottom(row);
            break;
        default:
            break;
    }
    Select(to.value_or(row));
}

void CEditComboOptionsDlg::OnAdd() {
    CGetNewItemDlg dlg(this);
    if (dlg.exec() != QDialog::Accepted) return;
    // A text already in the list changes nothing, and the selection stays where it was.
    const int row = SelectedRow();
    const std::optional<int> added = m_model->Add(dlg.m_strItem);
    Select(added ? added : (row >= 0 ? std::optional<int>(row) : std::nullopt));
}

void CEditComboOptionsDlg::OnEdited() {
    if (Editor().CanSwitch()) GetButton(Button::SaveChanges)->setEnabled(true);
    ShowStatus();
}

void CEditComboOptionsDlg::ApplyStep() {
    const kt::OptionListMode mode = Editor().Mode();
    if (m_model->ApplyTo(m_settings)) emit listApplied(mode);
    GetButton(Button::SaveChanges)->setEnabled(false);
}

void CEditComboOptionsDlg::OnSwitch() {
    if (!Editor().CanSwitch()) return;
    if (const auto question = Editor().SwitchQuestion()) {
        if (m_prompter.AskYesNo(*question)) ApplyStep();
    }
    const auto next = Editor().Mode() == kt::OptionListMode::Locations ? kt::OptionListMode::Descriptions : kt::OptionListMode::Locations;
    m_model->SwitchList(kt::OptionListOf(m_settings, next));
    GetButton(Button::SaveChanges)->setEnabled(false);
    ShowMode();
    ShowStatus();
}

void CEditComboOptionsDlg::ShowMode() {
    setWindowTitle(ToQ(Editor().Title()));
    GetButton(Button::Switch)->setText(ToQ(Editor().SwitchCaption()));
}

void CEditComboOptionsDlg::ShowStatus() {
    const kt::OptionListStatus status = Editor().Status();
    m_status->setText(ToQ(status.text));
    SetShownColour(m_status, QPalette::WindowText, ToQColor(status.colour), kt::ColourUse::Text);
}

void CEditComboOptionsDlg::accept() {
    // A label still being edited is finished first, so OK keeps what was typed.
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus != m_list->viewport() && m_list->viewport()->isAncestorOf(focus)) {
        emit m_list->itemDelegate()->commitData(focus);
        emit m_list->itemDelegate()->closeEditor(focus);
    }
    if (Editor().CanSwitch()) ApplyStep();
    QDialog::accept();
}

}  // namespace kt::ui
