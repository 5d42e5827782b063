#include "ui/activities/ShowDefaultActivities.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/base/Format.h"
#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

const QColor kEvenText(0, 0, 128);
const QColor kEvenBack(220, 255, 220);
const QColor kOddText(132, 0, 0);
const QColor kOddBack(220, 220, 255);
const QColor kTitleColor(0, 0, 255);

}  // namespace

CShowDefaultActivities::CShowDefaultActivities(const kt::ActivityTable& table, QWidget* parent) : QDialog(parent) {
    setWindowTitle(ToQ("Default Activities"));

    m_title = new QLabel(ToQ("Default Activity Types"), this);
    QFont titleFont = m_title->font();
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
    QPalette titlePalette = m_title->palette();
    titlePalette.setColor(QPalette::WindowText, kTitleColor);
    m_title->setPalette(titlePalette);

    m_list = new QTreeWidget(this);
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({ToQ("Activity Description"), ToQ("METS")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionsMovable(false);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    int row = 0;
    int widestName = 0;
    const QFontMetrics metrics(m_list->font());
    for (uint16_t position : kt::DefaultSelectedActivities()) {
        const kt::Activity& entry = table.At(position);
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, ToQ(entry.name));
        item->setText(1, ToQ(kt::Format("%2.3lf", entry.met)));
        const bool even = row % 2 == 0;
        for (int column = 0; column < 2; ++column) {
            item->setForeground(column, even ? kEvenText : kOddText);
            item->setBackground(column, even ? kEvenBack : kOddBack);
        }
        widestName = std::max(widestName, metrics.horizontalAdvance(item->text(0)));
        ++row;
    }

    // Wide enough that the longest name fits into its five sixths of the list, tall enough for
    // every row without scrolling.
    const int margin = 4 * metrics.horizontalAdvance(QLatin1Char('M'));
    const int listWidth = std::max((widestName + margin) * 6 / 5, 360);
    const int hintedRow = m_list->sizeHintForRow(0);
    const int rowHeight = hintedRow > 0 ? hintedRow : metrics.height() + 4;
    const int listHeight = rowHeight * row + rowHeight / 2 + m_list->header()->sizeHint().height() + 2 * m_list->frameWidth();
    m_list->setMinimumSize(listWidth, listHeight);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setText(ToQ("OK"));
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
    m_list->header()->resizeSection(0, width * 5 / 6);
    m_list->header()->resizeSection(1, width / 6);
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
