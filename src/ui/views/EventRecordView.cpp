#include "ui/views/EventRecordView.h"

namespace kt::ui {

CEventRecordView::CEventRecordView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("eventRecordView"));
    setRootIsDecorated(false);
    setHeaderLabels({QStringLiteral("Date"), QStringLiteral("Exercise Type"), QStringLiteral("Description"),
                     QStringLiteral("Duration (min)"), QStringLiteral("Location"), QStringLiteral("Calories"), QStringLiteral("Weight"),
                     QStringLiteral("Notes & Comments")});
}

void CEventRecordView::OnInitialUpdate() {}

}  // namespace kt::ui
