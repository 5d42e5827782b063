#include "ui/widgets/ColoredStatusBarCtrl.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QProgressBar>
#include <QStyle>
#include <algorithm>

#include "core/app/Texts.h"
#include "core/app/WindowLayout.h"
#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {

// The width FitPanes chose is only a wish: a pane may shrink below it, so the bar never holds
// the window wider than the user makes it.
template <class Base>
class FittedPane : public Base {
public:
    using Base::Base;
    int wanted = 0;
    QSize sizeHint() const override { return {wanted, Height()}; }
    QSize minimumSizeHint() const override { return {0, Height()}; }

private:
    // A plain widget has no height of its own to hint; its minimum stands in.
    int Height() const { return std::max(Base::sizeHint().height(), Base::minimumHeight()); }
};

class ColoredPane : public FittedPane<QWidget> {
public:
    explicit ColoredPane(QWidget* parent) : FittedPane<QWidget>(parent) { setMinimumHeight(fontMetrics().height() + 4); }
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
    m_prompt = new FittedPane<QLabel>(ToQ(kt::text::kReady), this);
    m_prompt->setObjectName(QStringLiteral("statusPrompt"));
    // The panes have the widths FitPanes gives them, so a long prompt (a save names its file) is
    // cut at its pane's edge instead of widening the bar; its tool tip shows all of it.
    addWidget(m_prompt);
    for (int i = 1; i <= 2; ++i) {
        m_panes[static_cast<size_t>(i)] = new ColoredPane(this);
        addWidget(m_panes[static_cast<size_t>(i)], i == 2 ? 1 : 0);
    }
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("statusProgress"));
    m_progress->setFixedWidth(260);
    m_progress->setTextVisible(true);
    m_progress->hide();
    addPermanentWidget(m_progress);
    m_panes[1]->color = ToQColor(kt::text::kDayPaneInitialColour);
    m_panes[2]->color = ToQColor(kt::text::kDatabasePaneInitialColour);
    FitPanes();
}

void CColoredStatusBarCtrl::FitPanes() {
    // A pane's text starts 2 pixels in; the bar's own spacing and the size grip take the rest.
    const auto need = [](const ColoredPane* pane) {
        return pane->text.isEmpty() ? 0 : pane->fontMetrics().horizontalAdvance(pane->text) + 8;
    };
    const int reserved = (isSizeGripEnabled() ? style()->pixelMetric(QStyle::PM_SizeGripSize, nullptr, this) : 0) +
                         3 * (layout() ? layout()->spacing() : 0) + 12;
    const kt::StatusPaneWidths widths = kt::StatusWidths(width() - reserved, need(m_panes[1]), need(m_panes[2]));
    static_cast<FittedPane<QLabel>*>(m_prompt)->wanted = widths.prompt;
    m_panes[1]->wanted = widths.day;
    // Pane 2 stretches over the rest.
    m_panes[2]->wanted = 1;
    for (QWidget* pane : {static_cast<QWidget*>(m_prompt), static_cast<QWidget*>(m_panes[1]), static_cast<QWidget*>(m_panes[2])}) {
        pane->updateGeometry();
    }
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
    FitPanes();
    repaint();
}

QString CColoredStatusBarCtrl::PaneText(int index) const {
    return index >= 1 && index <= 2 ? m_panes[static_cast<size_t>(index)]->text : QString();
}

QColor CColoredStatusBarCtrl::PaneColor(int index) const {
    return index >= 1 && index <= 2 ? m_panes[static_cast<size_t>(index)]->color : QColor();
}

bool CColoredStatusBarCtrl::ShowsWholeText(int index) const {
    if (index < 1 || index > 2) return false;
    const ColoredPane* pane = m_panes[static_cast<size_t>(index)];
    return pane->fontMetrics().horizontalAdvance(pane->text) <= pane->width() - 2;
}

void CColoredStatusBarCtrl::SetPrompt(const QString& prompt) {
    m_prompt->setText(prompt.isEmpty() ? ToQ(kt::text::kReady) : prompt);
    m_prompt->setToolTip(prompt);
}

QString CColoredStatusBarCtrl::Prompt() const { return m_prompt->text(); }

void CColoredStatusBarCtrl::SetProgress(const QString& text, std::optional<int> percent) {
    if (text.isEmpty()) {
        m_progress->hide();
        return;
    }
    m_progress->setRange(0, percent ? 100 : 0);
    m_progress->setValue(percent.value_or(0));
    m_progress->setFormat(percent ? text + QStringLiteral(" %p%") : text);
    m_progress->show();
}

}  // namespace kt::ui
