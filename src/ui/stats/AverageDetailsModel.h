#pragma once
// The records behind an average as a table model over the document's array: rows are looked up
// through the collected positions when they are painted, so a million records cost nothing.

#include <QAbstractTableModel>
#include <QFont>

#include "core/stats/AverageDetails.h"

namespace kt {
class CKT2Doc;
}

namespace kt::ui {

class CAverageDetailsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // `doc` must outlive the model and stay unchanged while it is shown (the dialog is modal).
    CAverageDetailsModel(const kt::CKT2Doc& doc, kt::AverageDetails details, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const kt::CKT2Doc& m_doc;
    kt::AverageDetails m_details;
    QFont m_font;
};

}  // namespace kt::ui
