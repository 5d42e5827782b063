#pragma once
// A label that paints its text in its own colour over a solid background of its own.

#include <QLabel>

namespace kt::ui {

class CColorStatic : public QLabel {
    Q_OBJECT
public:
    explicit CColorStatic(const QString& text = {}, QWidget* parent = nullptr);
    void SetColors(const QColor& text, const QColor& background);
};

}  // namespace kt::ui
