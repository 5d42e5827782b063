#include "ui/app/KbShortcutsDlg.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/app/Commands.h"
#include "core/app/Texts.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

namespace tx = kt::text;

class ShortcutsModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(kt::KeyboardShortcutRows().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
        const kt::ShortcutRow& row = kt::KeyboardShortcutRows()[static_cast<size_t>(index.row())];
        const tx::LabelColours& colours = index.row() % 2 == 0 ? tx::kEvenShortcutRow : tx::kOddShortcutRow;
        switch (role) {
            case Qt::DisplayRole:
                return ToQ(index.column() == 0 ? row.keys : row.function);
            case Qt::ForegroundRole:
            case Qt::BackgroundRole:
                return ColourRole(colours, role);
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1) return {};
        return ToQ(section == 0 ? tx::kShortcutColumn : tx::kFunctionColumn);
    }
};

}  // namespace

CKbShortcutsDlg::CKbShortcutsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("kbShortcutsDlg"));
    setWindowTitle(ToQ(tx::kShortcutsTitle));
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("shortcutList"));
    m_list->setModel(new ShortcutsModel(this));
    m_list->verticalHeader()->setVisible(false);
    m_list->setShowGrid(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    // Wide enough for the longest function on one line, tall enough for every row.
    const int rows = static_cast<int>(kt::KeyboardShortcutRows().size());
    resize(m_list->fontMetrics().horizontalAdvance(ToQ(kt::KeyboardShortcutRows()[5].function)) * 4 / 3 + 60,
           m_list->verticalHeader()->defaultSectionSize() * rows + m_list->horizontalHeader()->sizeHint().height() +
               buttons->sizeHint().height() + 40);
}

void CKbShortcutsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SetColumnWidths();
}

void CKbShortcutsDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SetColumnWidths();
}

void CKbShortcutsDlg::SetColumnWidths() {
    const int W = m_list->viewport()->width();
    m_list->horizontalHeader()->resizeSection(0, W / 4);
    m_list->horizontalHeader()->resizeSection(1, 3 * W / 4);
}

}  // namespace kt::ui
