#include "ui/views/EventRecordView.h"

#include "core/editor/Texts.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CEventRecordView::CEventRecordView(kt::Session& session, QWidget* parent) : QTreeWidget(parent), m_session(session) {
    setObjectName(QStringLiteral("eventRecordView"));
    setRootIsDecorated(false);
    QStringList headings;
    for (const char* heading : kt::editor_text::kRecordColumns) headings << ToQ(heading);
    setHeaderLabels(headings);
}

void CEventRecordView::OnInitialUpdate() {}

}  // namespace kt::ui
