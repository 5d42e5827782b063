// The about box, kinetrax --demo and the program's identity: the about box's buttons open the
// shipped documents and its links the desktop; the demo opens on a sample journal in a temporary
// folder and leaves the user's own alone; every window carries the program's own icon.
#include <QDir>

#include "core/update/UpdateSite.h"
#include "ui/Scenario.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/ReaderDlg.h"
#include "ui/about/VersionHistoryDlg.h"
#include "ui/app/Demo.h"
#include "ui/app/KT2App.h"
#include "ui/base/QtText.h"
#include "ui/widgets/HyperLink.h"

namespace kt::ui {
namespace {

const kt::UpdateSite kSite{"https", "www.example.org", "dl.example.org", "help@example.org", "Quorvane Software\nSomewhere 1"};

// Clicks `button` and reports the title and text of the dialog it opens, then closes that dialog.
std::pair<std::string, std::string> Opened(QPushButton* button) {
    std::pair<std::string, std::string> seen;
    const QPointer<QTimer> watcher = test::OnNextModal([&](QWidget* modal) {
        seen.first = test::Text(modal->windowTitle());
        if (auto* reader = qobject_cast<CReaderDlg*>(modal)) seen.second = test::Text(reader->Text()->toPlainText());
        if (auto* history = qobject_cast<CVersionHistoryDlg*>(modal)) seen.second = test::Text(history->Browser()->toPlainText());
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    test::CancelModalWatcher(watcher);
    return seen;
}

TEST(AboutDlgUi, ButtonsOpenTheDocumentsAndLinksOpenWithTheDesktop) {
    test::UiHome home;
    test::TempDir dir;
    const auto program = dir / "bin";  // the shipped documents beside the program, as the build copies them
    std::filesystem::create_directories(program);
    for (const char* name : {"Licence.rtf", "KinetraxReadMe.rtf", "KTVersionHistory.htm"})
        std::filesystem::copy_file(std::filesystem::path(KT_SOURCE_DOCS) / name, program / name);
    CAboutDlg dlg(kt::CFileVersionInfo(kt::VersionNumber{{2, 6, 1, 5}}, {}), kSite, 1462060800, ToQ(program.string()));

    // Found beside the program when the current folder has none.
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(ToQ(dir.path().string()));
    const auto licence = Opened(dlg.LicenceButton());
    EXPECT_EQ(licence.first, "Kinetrax (KT2) License");
    EXPECT_NE(licence.second.find("Kinetrax is free to use."), std::string::npos) << licence.second;
    EXPECT_EQ(Opened(dlg.ReadMeButton()).first, "Kinetrax (KT2) ReadMe file");
    QDir::setCurrent(oldCwd);
    const auto history = Opened(dlg.HistoryButton());
    EXPECT_EQ(history.first,
              "KT Version History: " + QUrl::fromLocalFile(ToQ((program / "KTVersionHistory.htm").string())).toString().toStdString());
    EXPECT_NE(history.second.find("Version 2.0.0"), std::string::npos) << history.second;

    test::DesktopOpens opener;
    QTest::mouseClick(dlg.WebLink(), Qt::LeftButton, {}, QPoint(4, 4));
    dlg.MailLink()->setFocus();
    QTest::keyClick(dlg.MailLink(), Qt::Key_Space);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{"https://www.example.org/", "mailto:help@example.org"}));
}

TEST(Demo, OpensASampleJournalInATemporaryFolderLeavesTheUsersOwnAloneAndShowsTheProgramsIcon) {
    test::UiHome home;
    const std::filesystem::path temp = home.home() / "tmp";
    std::filesystem::create_directories(temp);
    std::string error;
    EXPECT_EQ(ui::DemoHome::Make(&error, home.home() / "no" / "such" / "place"), nullptr);
    EXPECT_NE(error.find("no/such/place"), std::string::npos) << error;
    std::unique_ptr<ui::DemoHome> demo = ui::DemoHome::Make(&error, temp);
    ASSERT_NE(demo, nullptr) << error;
    const std::filesystem::path folder = demo->Folder();
    {
        ui::ApplyProgramIdentity(*qApp);  // every window carries the program's own icon
        ASSERT_FALSE(QApplication::windowIcon().pixmap(16, 16).isNull());
        std::unique_ptr<Session> session = demo->MakeSession(home.prompter);
        ui::CMainFrame frame(*session);
        ASSERT_TRUE(frame.OnCreate() && frame.StartDocument() && frame.WaitForJournal());
        EXPECT_EQ(frame.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        CAboutDlg about(CFileVersionInfo::Own(), ConfiguredUpdateSite(), 0, QStringLiteral("/nonexistent"));
        EXPECT_EQ(test::Child<QLabel>(&about, "programIcon")->pixmap().toImage(), QApplication::windowIcon().pixmap(64, 64).toImage());
        // A populated journal at once: no weight question, five years of records.
        EXPECT_TRUE(home.prompter.messages.empty());
        EXPECT_GT(session->doc.Records().size(), 1000u);
        EXPECT_NE(Text(frame.windowTitle()).find(" (demo journal in a temporary folder)[*] - KT2"), std::string::npos);
        frame.close();
    }
    // The settings went to the demo's store; nothing went to the user's Documents or config.
    EXPECT_TRUE(std::filesystem::exists(folder / ".config" / "Kinetrax" / "Kinetrax.reg"));
    EXPECT_FALSE(std::filesystem::exists(home.DataFolder()));
    EXPECT_TRUE(std::filesystem::is_empty(home.ConfigFolder()));
    demo.reset();
    EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
}  // namespace kt::ui
