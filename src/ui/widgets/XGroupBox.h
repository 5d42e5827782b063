#pragma once
// A group box whose frame and bold caption are drawn in colours of its own.

#include <QGroupBox>

namespace kt::ui {

class CXGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit CXGroupBox(const QString& title, QWidget* parent = nullptr);
    void SetColors(const QColor& caption, const QColor& frame);
    QColor CaptionColor() const { return m_caption; }
    QColor FrameColor() const { return m_frame; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_caption;
    QColor m_frame;
};

}  // namespace kt::ui
