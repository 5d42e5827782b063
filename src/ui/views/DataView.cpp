#include "ui/views/DataView.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/app/MainFrame.h"

namespace kt::ui {

CDataView::CDataView(CMainFrame* frame, QWidget* parent) : QWidget(parent), m_frame(frame) {
    setObjectName(QStringLiteral("dataView"));
    m_prompt = new QLabel(this);
    m_prompt->setObjectName(QStringLiteral("entryPrompt"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addStretch(1);
}

void CDataView::OnInitialUpdate() {}

void CDataView::LayoutControls() {}

void CDataView::SetPromptText(const QString& text) { m_prompt->setText(text); }

QString CDataView::PromptText() const { return m_prompt->text(); }

}  // namespace kt::ui
