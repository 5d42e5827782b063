#include "ui/activities/ShowDefaultActivities.h"

#include <QAbstractTableModel>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "core/activities/Texts.h"
#include "core/base/Format.h"
#include "core/settings/Settings.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

namespace tx = kt::activities_text;

// The fourteen defaults as the table holds them, name and MET, rows coloured alternately.
class DefaultActivitiesModel : public QAbstractTableModel {
public:
    DefaultActivitiesModel(const kt::ActivityTable& table, QObject* parent)
        : QAbstractTableModel(parent), m_table(table), m_positions(kt::DefaultSelectedActivities()) {}

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : static_cast<int>(m_positions.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
        const kt::Activity& entry = m_table.At(m_positions[static_cast<size_t>(index.row())]);
        const bool even = index.row() % 2 == 0;
        switch (role) {
            case Qt::DisplayRole:
                return index.column() == 0 ? ToQ(entry.name) : ToQ(kt::Format(tx::kMetFormat, entry.met));
            case Qt::ForegroundRole:
                return ShownText(ToQColor(even ? tx::kEvenRowText : tx::kOddRowText));
            case Qt::BackgroundRole:
                return ShownFill(ToQColor(even ? tx::kEvenRowBackground : tx::kOddRowBackground));
            default:
                return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section > 1) return {};
        return ToQ(section == 0 ? tx::kNameColumn : tx::kMetColumn);
    }

private:
    const kt::ActivityTable& m_table;
    std::vector<uint16_t> m_positions;
};

}  // namespace

CShowDefaultActivities::CShowDefaultActivities(const kt::ActivityTable& table, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQ(tx::kDefaultsTitle));

    m_title = new QLabel(ToQ(tx::kDefaultsHeading), this);
    m_title->setFont(ToQFont(tx::kDefaultsHeadingFont, m_title->font()));
    SetShownColour(m_title, QPalette::WindowText, ToQColor(tx::kDefaultsHeadingColour), kt::ColourUse::Text);

    auto* model = new DefaultActivitiesModel(table, this);
    m_list = new QTableView(this);
    m_list->setModel(model);
    m_list->verticalHeader()->setVisible(false);
    m_list->setShowGrid(false);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setWordWrap(false);
    m_list->horizontalHeader()->setStretchLastSection(false);
    m_list->horizontalHeader()->setSectionsMovable(false);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    int widestName = 0;
    const QFontMetrics metrics(m_list->font());
    for (int row = 0; row < model->rowCount(); ++row) {
        widestName = std::max(widestName, metrics.horizontalAdvance(model->index(row, 0).data().toString()));
    }
    // Wide enough that the longest name fits into its five sixths of the list, tall enough for
    // every row without scrolling.
    const int margin = 4 * metrics.horizontalAdvance(QLatin1Char('M'));
    const int listWidth = std::max((widestName + margin) * 6 / 5, 360);
    m_list->resizeRowsToContents();
    const int rowHeight = m_list->rowHeight(0) > 0 ? m_list->rowHeight(0) : metrics.height() + 4;
    const int rows = model->rowCount();
    const int listHeight = rowHeight * rows + rowHeight / 2 + m_list->horizontalHeader()->sizeHint().height() + 2 * m_list->frameWidth();
    m_list->setMinimumSize(listWidth, listHeight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(ToQ(tx::kOk));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    adjustSize();
    SizeColumns();
}

void CShowDefaultActivities::SizeColumns() {
    const int width = m_list->viewport()->width();
    m_list->horizontalHeader()->resizeSection(0, width * 5 / 6);
    m_list->horizontalHeader()->resizeSection(1, width / 6);
}

void CShowDefaultActivities::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SizeColumns();
}

void CShowDefaultActivities::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SizeColumns();
}

}  // namespace kt::ui
