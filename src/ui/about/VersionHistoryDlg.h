#pragma once
// Shows the version history page (HTML) in a browser pane, with a "Done" button.

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace kt::ui {

class CVersionHistoryDlg : public QDialog {
    Q_OBJECT
public:
    CVersionHistoryDlg(const QString& path, QWidget* parent = nullptr);
    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

}  // namespace kt::ui
