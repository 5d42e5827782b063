#include "ui/stats/AverageDetailsModel.h"

#include "core/journal/KT2Doc.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {

CAverageDetailsModel::CAverageDetailsModel(const kt::CKT2Doc& doc, kt::AverageDetails details, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_details(details), m_font(QStringLiteral("Arial"), 8, QFont::Bold) {}

int CAverageDetailsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_details.EventCount(); }

int CAverageDetailsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kt::kDetailsColumnCount; }

QVariant CAverageDetailsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_details.EventCount()) return {};
    const auto row = static_cast<size_t>(index.row());
    switch (role) {
        // The columns share the dialog's width, so a long activity name is cut; its tip shows it whole.
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return ToQ(kt::AverageDetailsCell(m_doc.Records()[m_details.PositionOfRow(row)], index.column()));
        case Qt::ForegroundRole:
        case Qt::BackgroundRole:
            return ColourRole(kt::AverageDetailsRowColours(row), role);
        case Qt::FontRole:
            return m_font;
        default:
            return {};
    }
}

QVariant CAverageDetailsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= kt::kDetailsColumnCount) return {};
    return ToQ(kt::AverageDetailsHeadings()[static_cast<size_t>(section)]);
}

}  // namespace kt::ui
