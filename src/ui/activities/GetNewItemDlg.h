#pragma once
// Asks for the text of a new option-list item; no caption of its own.

#include <QDialog>

class QLineEdit;

namespace kt::ui {

class CGetNewItemDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGetNewItemDlg(QWidget* parent = nullptr);

    QLineEdit* ItemEdit() const { return m_edit; }
    // The entered text, taken on OK.
    QString m_strItem;

    void accept() override;

private:
    QLineEdit* m_edit = nullptr;
};

}  // namespace kt::ui
