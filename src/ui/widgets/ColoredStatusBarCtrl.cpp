#include "ui/widgets/ColoredStatusBarCtrl.h"

#include <QLabel>
#include <QPainter>

#include "core/app/Texts.h"
#include "core/app/WindowLayout.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {

class ColoredPane : public QWidget {
public:
    explicit ColoredPane(QWidget* parent) : QWidget(parent) { setMinimumHeight(fontMetrics().height() + 4); }
    QString text;
    QColor color;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(ShownText(color));
        const QRect r = rect().adjusted(2, 0, 0, 0);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, p.fontMetrics().elidedText(text, Qt::ElideRight, r.width()));
    }
};

CColoredStatusBarCtrl::CColoredStatusBarCtrl(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(true);
    m_prompt = new QLabel(ToQ(kt::text::kReady), this);
    m_prompt->setObjectName(QStringLiteral("statusPrompt"));
    // The panes have fixed widths (FitPanes), so a long prompt (a save names its file) is cut at
    // its pane's edge instead of widening the bar; its tool tip shows all of it.
    addWidget(m_prompt);
    for (int i = 1; i <= 2; ++i) {
        m_panes[static_cast<size_t>(i)] = new ColoredPane(this);
        m_panes[static_cast<size_t>(i)]->setMinimumWidth(1);
        addWidget(m_panes[static_cast<size_t>(i)], i == 2 ? 1 : 0);
    }
    m_panes[1]->color = ToQColor(kt::text::kDayPaneInitialColour);
    m_panes[2]->color = ToQColor(kt::text::kDatabasePaneInitialColour);
    FitPanes();
}

void CColoredStatusBarCtrl::FitPanes() {
    const kt::StatusPaneWidths widths = kt::StatusWidths(width());
    m_prompt->setFixedWidth(widths.prompt);
    m_panes[1]->setFixedWidth(widths.day);
}

void CColoredStatusBarCtrl::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    FitPanes();
}

void CColoredStatusBarCtrl::SetPaneText(int index, const QString& text, const QColor& color) {
    if (index < 1 || index > 2) return;
    ColoredPane* pane = m_panes[static_cast<size_t>(index)];
    pane->text = text;
    pane->color = color;
    pane->setToolTip(text);
    repaint();
}

QString CColoredStatusBarCtrl::PaneText(int index) const {
    return index >= 1 && index <= 2 ? m_panes[static_cast<size_t>(index)]->text : QString();
}

QColor CColoredStatusBarCtrl::PaneColor(int index) const {
    return index >= 1 && index <= 2 ? m_panes[static_cast<size_t>(index)]->color : QColor();
}

void CColoredStatusBarCtrl::SetPrompt(const QString& prompt) {
    m_prompt->setText(prompt.isEmpty() ? ToQ(kt::text::kReady) : prompt);
    m_prompt->setToolTip(prompt);
}

QString CColoredStatusBarCtrl::Prompt() const { return m_prompt->text(); }

}  // namespace kt::ui
