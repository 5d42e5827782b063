#pragma once
// A pair of arrow buttons beside a number edit (its buddy): each step writes the buddy's number
// moved by one and kept within the range, and the Up and Down keys in the buddy do the same.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace kt::ui {

class CUpDownCtrl : public QWidget {
    Q_OBJECT
public:
    CUpDownCtrl(QLineEdit* buddy, int low, int high, QWidget* parent = nullptr);
    void Step(int delta);
    QToolButton* UpButton() const { return m_up; }
    QToolButton* DownButton() const { return m_down; }
    int Low() const { return m_low; }
    int High() const { return m_high; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_low;
    int m_high;
};

}  // namespace kt::ui
