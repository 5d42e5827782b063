#pragma once
// A push button drawn by the program: a 3-D frame (white light edge, black dark edge) filled with
// its own background, sunken while pressed, and its caption centred on one line in its own font
// and colour. "&&" in a caption shows one ampersand.

#include <QPushButton>

namespace kt::ui {

class COwnerDrawButton : public QPushButton {
    Q_OBJECT
public:
    COwnerDrawButton(const QString& caption, const QFont& font, const QColor& background, const QColor& text, QWidget* parent = nullptr);
    // Sets the caption as the program writes it ("&&" for one ampersand) and fits the width.
    void SetCaption(const QString& caption);
    QString Caption() const { return m_caption; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    QColor m_background;
    QColor m_text;
};

}  // namespace kt::ui
