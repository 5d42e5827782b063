
#include <QDir>

#include "ui/Scenario.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/ReaderDlg.h"
#include "ui/about/VersionHistoryDlg.h"
#include "ui/base/QtText.h"
#include "ui/widgets/HyperLink.h"

namespace kt::ui {
namespace {

const kt::UpdateSite kSite{"https", "www.example.org", "dl.example.org", "help@example.org", "Quorvane Software\nSomewhere 1"};

// Clicks `button` and reports the title and text of the dialog it opens, then closes that dialog.
std::pair<std::string, std::string> Opened(QPushButton* button) {
    std::pair<std::string, std::string> seen;
    const QPointer<QTimer> watcher = kt::test::OnNextModal([&](QWidget* modal) {
        seen.first = kt::test::Text(modal->windowTitle());
        if (auto* reader = qobject_cast<CReaderDlg*>(modal)) seen.second = kt::test::Text(reader->Text()->toPlainText());
        if (auto* history = qobject_cast<CVersionHistoryDlg*>(modal)) seen.second = kt::test::Text(history->Browser()->toPlainText());
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    kt::test::CancelModalWatcher(watcher);
    return seen;
}

TEST(AboutDlgUi, ButtonsOpenTheDocumentsAndLinksOpenWithTheDesktop) {
    kt::test::UiHome home;
    kt::test::TempDir dir;
    const auto program = dir / "bin";  // the shipped documents beside the program, as the build copies them
    std::filesystem::create_directories(program);
    for (const char* name : {"Licence.rtf", "KinetraxReadMe.rtf", "KTVersionHistory.htm"})
        std::filesystem::copy_file(std::filesystem::path(KT_SOURCE_DOCS) / name, program / name);
    CAboutDlg dlg(kt::CFileVersionInfo(kt::VersionNumber{{2, 6, 1, 5}}, {}), kSite, 1462060800, ToQ(program.string()));

    // Found beside the program when the current folder has none; a copy in the current folder wins.
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(ToQ(dir.path().string()));
    const auto licence = Opened(dlg.LicenceButton());
    EXPECT_EQ(licence.first, "Kinetrax (KT2) License");
    EXPECT_NE(licence.second.find("Kinetrax is free to use."), std::string::npos) << licence.second;
    const auto readme = Opened(dlg.ReadMeButton());
    EXPECT_EQ(readme.first + "|" + readme.second.substr(0, 15), "Kinetrax (KT2) ReadMe file|Kinetrax (KT2)\n");
    kt::test::WriteAll(dir / "Licence.rtf", "{\\rtf1 Local copy}");
    EXPECT_EQ(Opened(dlg.LicenceButton()).second, "Local copy");
    QDir::setCurrent(oldCwd);
    const auto history = Opened(dlg.HistoryButton());
    EXPECT_EQ(history.first,
              "KT Version History: " + QUrl::fromLocalFile(ToQ((program / "KTVersionHistory.htm").string())).toString().toStdString());
    EXPECT_NE(history.second.find("Version 2.0.0"), std::string::npos) << history.second;

    kt::test::DesktopOpens opener;
    EXPECT_EQ(dlg.WebLink()->TextColour(), QColor(0, 0, 255));
    // Its globe is drawn from a vector, so it stays sharp on a screen at twice the scale.
    EXPECT_EQ(dlg.WebLink()->Icon().pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    QTest::mouseClick(dlg.WebLink(), Qt::LeftButton, {}, QPoint(4, 4));
    dlg.MailLink()->setFocus();
    QTest::keyClick(dlg.MailLink(), Qt::Key_Space);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"https://www.example.org/", "mailto:help@example.org"}));
    EXPECT_EQ(dlg.WebLink()->TextColour(), QColor(0, 128, 0));  // visited

    // Without documents anywhere the reader is empty and the history names the hlp folder.
    CAboutDlg bare(kt::CFileVersionInfo(kt::VersionNumber{{2, 6, 1, 5}}, {}), kSite, 0, QStringLiteral("/nonexistent"));
    EXPECT_EQ(Opened(bare.LicenceButton()).second, "");
    EXPECT_EQ(Opened(bare.HistoryButton()).first, "KT Version History: file:///hlp/KTVersionHistory.htm");
}

}  // namespace
}  // namespace kt::ui
