#include "ui/widgets/MultiLineCheckBox.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace kt::ui {

CMultiLineCheckBox::CMultiLineCheckBox(const QString& caption, int width, QWidget* parent) : QCheckBox(caption, parent), m_width(width) {
    setToolTip(caption);
}

void CMultiLineCheckBox::SetWrapWidth(int width) {
    if (width == m_width) return;
    m_width = width;
    updateGeometry();
    update();
}

QRect CMultiLineCheckBox::TextRect() const {
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
    return QRect(indicator + spacing + 2, 0, m_width - indicator - spacing - 4, 1000);
}

QSize CMultiLineCheckBox::sizeHint() const {
    const QRect bounds = fontMetrics().boundingRect(TextRect(), Qt::TextWordWrap | Qt::AlignLeft, text());
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    return QSize(m_width, std::max(bounds.height(), indicator) + 4);
}

void CMultiLineCheckBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicatorW = style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
    const int indicatorH = style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this);
    option.rect = QRect(0, (height() - indicatorH) / 2, indicatorW, indicatorH);
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &p, this);
    QRect text = TextRect();
    text.setHeight(height());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(text, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignVCenter, this->text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = text.adjusted(-1, 1, 1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}

}  // namespace kt::ui
