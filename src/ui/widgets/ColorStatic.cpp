#include "ui/widgets/ColorStatic.h"

namespace kt::ui {

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Until colours are set the label looks like a plain one: black on the button face.
    setAutoFillBackground(true);
    SetColors(Qt::black, palette().color(QPalette::Button));
}

void CColorStatic::SetColors(const QColor& text, const QColor& background) {
    m_text = text;
    m_background = background;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    setPalette(p);
    update();
}

}  // namespace kt::ui
