#pragma once
// The list of keyboard shortcuts: the keys and what they do, rows coloured alternately.

#include <QDialog>

class QTableView;

namespace kt::ui {

class CKbShortcutsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CKbShortcutsDlg(QWidget* parent = nullptr);

    QTableView* List() const { return m_list; }

protected:
    // The columns take a quarter and three quarters of the list's width.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SetColumnWidths();
    QTableView* m_list = nullptr;
};

}  // namespace kt::ui
