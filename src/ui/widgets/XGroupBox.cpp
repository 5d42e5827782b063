#include "ui/widgets/XGroupBox.h"

#include <QPainter>

#include "ui/base/ShownColours.h"

namespace kt::ui {

CXGroupBox::CXGroupBox(const QString& title, QWidget* parent) : QGroupBox(title, parent), m_caption(palette().windowText().color()) {
    m_frame = m_caption;
}

void CXGroupBox::SetColors(const QColor& caption, const QColor& frame) {
    m_caption = caption;
    m_frame = frame;
    update();
}

void CXGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Only the caption is bold: a bold font set on the box would pass on to every control in it.
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QFontMetrics fm(bold);
    const int titleHeight = fm.height();
    const QRectF frame = QRectF(rect()).adjusted(0.5, titleHeight / 2.0, -0.5, -0.5);
    p.setPen(QPen(ShownLine(m_frame), 1.2));
    p.drawRoundedRect(frame, 4, 4);
    const QRect titleRect(10, 0, fm.horizontalAdvance(title()) + 8, titleHeight);
    p.fillRect(titleRect, palette().window());
    p.setPen(ShownText(m_caption));
    p.drawText(titleRect, Qt::AlignCenter, title());
}

}  // namespace kt::ui
