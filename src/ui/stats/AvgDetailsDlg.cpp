#include "ui/stats/AvgDetailsDlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>

#include "core/stats/Averages.h"
#include "core/stats/Texts.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"
#include "ui/stats/AverageDetailsModel.h"

namespace kt::ui {

CAvgDetailsDlg::CAvgDetailsDlg(const kt::CKT2Doc& doc, const kt::ActivityTable& table, const std::vector<uint16_t>& selected,
                               kt::AverageDetails details, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("avgDetailsDlg"));
    setWindowTitle(ToQ(kt::stats_text::kDetailsTitle));

    m_summary = new QTextEdit(this);
    m_summary->setObjectName(QStringLiteral("detailsSummary"));
    m_summary->setReadOnly(true);
    m_summary->setFixedHeight(4 * m_summary->fontMetrics().lineSpacing() + 12);
    const kt::AverageResult d = kt::DurationAverage(doc, details.period);
    const kt::AverageResult c = kt::CalorieAverage(doc, table, selected, details.period);
    PaintStyledText(m_summary, kt::AverageDetailsSummary(details, d, c));

    m_model = new CAverageDetailsModel(doc, details, this);
    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("detailsList"));
    m_list->setModel(m_model);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->setShowGrid(false);
    m_list->verticalHeader()->setVisible(false);
    // Fixed row heights: the view never measures a million rows.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(QFontMetrics(QFont(QStringLiteral("Arial"), 8, QFont::Bold)).height() + 6);
    m_list->horizontalHeader()->setHighlightSections(false);
    // The widths rule leaves a little of the width over; the notes take it.
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    auto* buttons = new QDialogButtonBox(this);
    m_close = buttons->addButton(ToQ(kt::stats_text::kDetailsClose), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAvgDetailsDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(860, 420);
}

void CAvgDetailsDlg::SizeColumns() {
    const auto widths = kt::AverageDetailsColumnWidths(m_list->viewport()->width());
    for (int c = 0; c < kt::kDetailsColumnCount; ++c) m_list->setColumnWidth(c, widths[static_cast<size_t>(c)]);
}

void CAvgDetailsDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SizeColumns();
}

void CAvgDetailsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    SizeColumns();
}

bool ShowAverageDetails(const kt::CKT2Doc& doc, const kt::ActivityTable& table, const std::vector<uint16_t>& selected, int period,
                        QWidget* parent) {
    const auto details = kt::CollectAverageDetails(doc, period);
    if (!details) return false;
    CAvgDetailsDlg dlg(doc, table, selected, *details, parent);
    dlg.exec();
    return true;
}

}  // namespace kt::ui
