#include "ui/widgets/OwnerDrawButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

QString Shown(const QString& caption) {
    QString s = caption;
    s.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return s;
}

}  // namespace

COwnerDrawButton::COwnerDrawButton(const QString& caption, const QFont& font, const QColor& background, const QColor& text, QWidget* parent)
    : QPushButton(parent), m_background(background), m_text(text) {
    setFont(font);
    SetCaption(caption);
    setFocusPolicy(Qt::StrongFocus);
}

void COwnerDrawButton::SetCaption(const QString& caption) {
    m_caption = caption;
    // The accessible text and QPushButton's own text carry the shown caption; a lone "&" must not
    // become a mnemonic, so the plain text is kept escaped.
    setText(caption);
    setAccessibleName(Shown(caption));
    updateGeometry();
    update();
}

QSize COwnerDrawButton::sizeHint() const {
    const QFontMetrics fm(font());
    return QSize(fm.horizontalAdvance(Shown(m_caption)) + 28, fm.height() + 14);
}

void COwnerDrawButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r.adjusted(1, 1, -1, -1), ShownFill(m_background));
    const bool pressed = isDown();
    const QColor light = pressed ? Qt::black : Qt::white;
    const QColor dark = pressed ? Qt::white : Qt::black;
    p.setPen(light);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(dark);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    // Off while the journal loads: the caption fades as a standard button's does.
    QColor text = ShownText(m_text);
    if (!isEnabled()) text.setAlphaF(0.4);
    p.setPen(text);
    p.setFont(font());
    p.drawText(r.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter | Qt::TextSingleLine, Shown(m_caption));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = r.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

}  // namespace kt::ui
