#include "ui/widgets/ColorStatic.h"

namespace kt::ui {

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Until colours are set the label looks like a plain one: black on the button face.
    setAutoFillBackground(true);
    // A child without roles of its own takes its parent's: inside a toolbar that is Button and
    // ButtonText, and the label would show the toolbar's colours instead of its own.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    SetColors(Qt::black, palette().color(QPalette::Button));
}

void CColorStatic::SetColors(const QColor& text, const QColor& background) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    setPalette(p);
    update();
}

}  // namespace kt::ui
