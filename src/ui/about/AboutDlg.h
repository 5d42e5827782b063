#pragma once
// The About box: product name, version and build date, the maker's name and address, the
// copyright and description strings, links to the web site and the support address, and the
// buttons that open the licence, the readme and the version history (each over the About box).

#include <QDialog>

#include "core/base/LocalTime.h"
#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateSite.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace kt::ui {

class CHyperLink;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    // `buildTime` is the program file's modification time; `programFolder` holds the program and,
    // beside it, the documents.
    CAboutDlg(const kt::CFileVersionInfo& info, const kt::UpdateSite& site, kt::Time64 buildTime, const QString& programFolder,
              QWidget* parent = nullptr);

    QTextEdit* Heading() const { return m_heading; }
    QLabel* MakerLabel() const { return m_maker; }
    QLabel* CopyrightLabel() const { return m_copyright; }
    QLabel* DescriptionLabel() const { return m_description; }
    CHyperLink* WebLink() const { return m_webLink; }
    CHyperLink* MailLink() const { return m_mailLink; }
    QPushButton* LicenceButton() const { return m_licence; }
    QPushButton* ReadMeButton() const { return m_readMe; }
    QPushButton* HistoryButton() const { return m_history; }

private:
    void ShowReader(bool licence);
    void ShowHistory();

    QString m_programFolder;
    QTextEdit* m_heading = nullptr;
    QLabel* m_maker = nullptr;
    QLabel* m_copyright = nullptr;
    QLabel* m_description = nullptr;
    CHyperLink* m_webLink = nullptr;
    CHyperLink* m_mailLink = nullptr;
    QPushButton* m_licence = nullptr;
    QPushButton* m_readMe = nullptr;
    QPushButton* m_history = nullptr;
};

}  // namespace kt::ui
