#include "ui/widgets/HyperLink.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include "ui/base/DesktopOpener.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {
constexpr int kIconSize = 16;
constexpr int kGap = 6;
}  // namespace

CHyperLink::CHyperLink(const QString& text, const QUrl& url, const QFont& font, const QIcon& icon, QWidget* parent)
    : QWidget(parent), m_text(text), m_url(url), m_icon(icon) {
    QFont f = font;
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(url.toString());
    setAccessibleName(text);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QColor CHyperLink::TextColour() const { return m_hover ? HoverColour() : m_visited ? VisitedColour() : LinkColour(); }

QSize CHyperLink::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(kIconSize + kGap + fm.horizontalAdvance(m_text) + 4, std::max(kIconSize, fm.height()) + 4);
}

void CHyperLink::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int iconTop = (height() - kIconSize) / 2;
    m_icon.paint(&p, QRect(0, iconTop, kIconSize, kIconSize));
    p.setPen(ShownText(TextColour()));
    p.setFont(font());
    const QRect textRect = rect().adjusted(kIconSize + kGap, 0, 0, 0);
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_text);
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = textRect.adjusted(-2, 1, 0, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void CHyperLink::Open() {
    OpenWithDesktop(m_url);
    m_visited = true;
    update();
    emit opened(m_url);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Open();
}

void CHyperLink::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Open();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CHyperLink::enterEvent(QEnterEvent*) {
    m_hover = true;
    update();
}

void CHyperLink::leaveEvent(QEvent*) {
    m_hover = false;
    update();
}

}  // namespace kt::ui
