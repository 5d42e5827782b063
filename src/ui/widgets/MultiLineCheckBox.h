#pragma once
// A check box whose caption wraps onto several lines within a fixed width, so a long caption
// fits a toolbar of ordinary height.

#include <QCheckBox>

namespace kt::ui {

class CMultiLineCheckBox : public QCheckBox {
    Q_OBJECT
public:
    CMultiLineCheckBox(const QString& caption, int width, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The width the caption wraps within; a narrower box takes more lines.
    int WrapWidth() const { return m_width; }
    void SetWrapWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    QRect TextRect() const;
    int m_width;
};

}  // namespace kt::ui
