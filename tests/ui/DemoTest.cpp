// kinetrax --demo and the program's identity: the window opens on a sample journal in a temporary
// folder that is gone afterwards, the user's own journal and settings are never touched, the title
// says it is a demo, and every window carries the program's own icon.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTextEdit>

#include "core/app/Session.h"
#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateSite.h"
#include "ui/about/AboutDlg.h"
#include "ui/app/Demo.h"
#include "ui/app/KT2App.h"
#include "ui/app/MainFrame.h"
#include "ui/base/QtText.h"
#include "ui/support/UiTestSupport.h"

namespace kt {
namespace {

TEST(Demo, OpensASampleJournalInATemporaryFolderAndLeavesTheUsersOwnAlone) {
    test::UiHome home;
    const std::filesystem::path temp = home.home() / "tmp";
    std::filesystem::create_directories(temp);
    std::string error;
    std::unique_ptr<ui::DemoHome> demo = ui::DemoHome::Make(&error, temp);
    ASSERT_NE(demo, nullptr) << error;
    const std::filesystem::path folder = demo->Folder();
    EXPECT_EQ(folder.parent_path(), temp);
    EXPECT_EQ(folder.filename().string().substr(0, 14), "kinetrax-demo-");
    {
        std::unique_ptr<Session> session = demo->MakeSession(home.prompter);
        ui::CMainFrame frame(*session);
        ASSERT_TRUE(frame.OnCreate() && frame.StartDocument() && frame.WaitForJournal());
        // A populated journal at once: no weight question, five years of records.
        EXPECT_EQ(home.prompter.messages, std::vector<std::string>());
        EXPECT_EQ(session->dataFolder, (folder / "Documents" / "Quorvane" / "KT").string());
        EXPECT_GT(session->doc.Records().size(), 1000u);
        EXPECT_TRUE(ui::FromQ(frame.windowTitle()).find(" (demo journal in a temporary folder)[*] - KT2") != std::string::npos)
            << ui::FromQ(frame.windowTitle());
        EXPECT_EQ(ui::FromQ(frame.windowTitle()).substr(0, 29), "Kinetrax 2: Records starting ");
        frame.close();
    }
    // The settings went to the demo's store; nothing went to the user's Documents or config.
    EXPECT_TRUE(std::filesystem::exists(folder / ".config" / "Kinetrax" / "Kinetrax.reg"));
    EXPECT_FALSE(std::filesystem::exists(home.DataFolder()));
    EXPECT_TRUE(std::filesystem::is_empty(home.ConfigFolder()));
    demo.reset();
    EXPECT_FALSE(std::filesystem::exists(folder));
}

TEST(Demo, AFolderThatCannotBeMadeIsReported) {
    test::UiHome home;
    std::string error;
    EXPECT_EQ(ui::DemoHome::Make(&error, home.home() / "no" / "such" / "place"), nullptr);
    EXPECT_NE(error.find("no/such/place"), std::string::npos) << error;
}

TEST(ProgramIdentity, EveryWindowShowsTheProgramsIconAndTheAboutBoxItsName) {
    test::UiHome home;
    ui::ApplyProgramIdentity(*qApp);
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("com.quorvane.Kinetrax"));
    // The SVG draws at the sizes a desktop asks for, from the menu's 16 pixels up.
    for (int size : {16, 32, 256}) {
        const QPixmap pixmap = QApplication::windowIcon().pixmap(size, size);
        ASSERT_FALSE(pixmap.isNull()) << size;
        EXPECT_EQ(pixmap.width(), size);
    }
    auto frame = test::StartMainFrame("80");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    EXPECT_EQ(ui::FromQ(frame->windowTitle()), "Kinetrax 2[*] - KT2");

    ui::CAboutDlg about(CFileVersionInfo::Own(), ConfiguredUpdateSite(), 0, QStringLiteral("/nonexistent"));
    EXPECT_FALSE(about.windowIcon().isNull());
    auto* icon = test::Child<QLabel>(&about, "programIcon");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->pixmap().size(), QSize(64, 64));
    EXPECT_EQ(icon->pixmap().toImage(), QApplication::windowIcon().pixmap(64, 64).toImage());
    EXPECT_TRUE(about.Heading()->toPlainText().startsWith(QStringLiteral("Kinetrax\n")));
}

}  // namespace
}  // namespace kt
