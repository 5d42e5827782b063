#include "ui/widgets/ColorStatic.h"

#include "ui/base/ShownColours.h"

namespace kt::ui {

CColorStatic::CColorStatic(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Until colours are set the label looks like a plain one: the button face's text on the face.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
}

void CColorStatic::SetColors(const QColor& text, const QColor& background) {
    // A child without roles of its own takes its parent's: inside a toolbar that is Button and
    // ButtonText, and the label would show the toolbar's colours instead of its own.
    setBackgroundRole(QPalette::Window);
    setForegroundRole(QPalette::WindowText);
    SetShownColour(this, QPalette::WindowText, text, kt::ColourUse::Text);
    SetShownColour(this, QPalette::Window, background, kt::ColourUse::Fill);
    update();
}

}  // namespace kt::ui
