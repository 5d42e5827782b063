// The version check and the update dialog against a local web server: what the answers open, the
// downloads, and the check from the start-up and the Help menu.

#include "core/update/UpdateSite.h"
#include "ui/Scenario.h"
#include "ui/base/QtText.h"
#include "ui/support/LocalHttpServer.h"
#include "ui/update/UpdateDlg.h"
#include "ui/update/VersionChecker.h"

namespace kt::ui {
namespace {

using test::HttpAnswer;
using test::LocalHttpServer;

kt::CFileVersionInfo Own(int a, int b, int c, int d) {
    std::array<std::string, 12> strings;
    strings[1] = "Exercise Journal";
    strings[6] = "Kinetrax";
    return kt::CFileVersionInfo(kt::VersionNumber{{a, b, c, d}}, strings);
}

// The visible buttons' captions, and the message's start.
std::string Shown(CUpdateDlg* dlg) {
    std::string out;
    for (COwnerDrawButton* b : {dlg->UpdateNowButton(), dlg->DownloadOnlyButton(), dlg->WebsiteButton(), dlg->CancelButton()}) {
        if (!b->isHidden()) out += test::Text(b->Caption()) + "|";
    }
    return out + test::Text(dlg->Message()->toPlainText().left(40));
}

const QString kVersionPath = QStringLiteral("/Quorvane/KTVersion.txt");

// Runs one check against `server` and closes whatever dialog it opens with Cancel.
std::string Check(LocalHttpServer& server, const kt::CFileVersionInfo& own, bool showCurrent, int timeoutMs = 3000) {
    std::string shown = "no dialog";
    CVersionChecker checker(own, server.Site(), "/opt/kt/kinetrax", test::HomePrompter());
    checker.SetTimeoutMs(timeoutMs);
    const QPointer<QTimer> watcher = test::OnNextModal([&](QWidget* modal) {
        if (auto* dlg = qobject_cast<CUpdateDlg*>(modal)) shown = Shown(dlg), QTest::mouseClick(dlg->CancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(checker.Run({showCurrent, false, "KT"}));
    test::CancelModalWatcher(watcher);
    return shown;
}

const QByteArray kFiveLines = "1462060800\r\n2\r\n6\r\n1\r\n5\r\n";

TEST(VersionCheckUi, AnswersOfALocalServerOpenTheDialogInTheirMode) {
    test::UiHome home;
    LocalHttpServer server;
    server.Serve(kVersionPath, HttpAnswer{200, kFiveLines, std::nullopt, false});
    EXPECT_EQ(
        Check(server, Own(2, 6, 1, 4), false),
        "Update Kinetrax Now|Download Only|View Quorvane Website|Continue - no action (Esc)|There is a newer version of Kinetrax ava");
    EXPECT_EQ(Check(server, Own(2, 6, 1, 5), false), "no dialog");
    server.Serve(kVersionPath, HttpAnswer{404, "<html><body>Not Found</body></html>", std::nullopt, false});
    EXPECT_EQ(Check(server, Own(2, 6, 1, 5), false), "Close (Esc)|Unable to obtain version information fro");
    EXPECT_EQ(server.Requests().size(), 3u);
    EXPECT_TRUE(home.prompter.messages.empty());

    // A server that never answers is given up silently at start-up and reported from the menu.
    server.Serve(kVersionPath, HttpAnswer{200, "", std::nullopt, true});
    EXPECT_EQ(Check(server, Own(2, 6, 1, 4), false, 300), "no dialog");
    EXPECT_TRUE(home.prompter.messages.empty());
    EXPECT_EQ(Check(server, Own(2, 6, 1, 4), true, 300), "no dialog");
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("The Quorvane website could not be reached (" + server.Host() + "):\n", 0), 0u);
}

kt::UpdateRequest NewerRequest() {
    return kt::EvaluateVersionResponse(kFiveLines.toStdString(), Own(2, 6, 1, 4), {false, false, "KT"}).value();
}

std::string FileUrl(const std::filesystem::path& path) { return QUrl::fromLocalFile(ToQ(path.string())).toString().toStdString(); }

// Failed or stopped downloads are reported, keep no file and leave the dialog open; Download Only,
// then Install, and Update Now open the fetched file; the website button opens the site.
TEST(UpdateDialogUi, DownloadsFailStopOrOpenTheFetchedFile) {
    test::UiHome home;
    test::DesktopOpens opener;
    LocalHttpServer server;
    const auto folder = home.home() / "Downloads" / "Quorvane";
    for (const HttpAnswer& answer : {HttpAnswer{200, QByteArray(600, 'z'), 1000, false}, HttpAnswer{404, "gone", std::nullopt, false}}) {
        server.Serve(QStringLiteral("/KTSetup.exe"), answer);
        CUpdateDlg dlg(NewerRequest(), server.Site(), test::HomePrompter());
        dlg.show();
        QTest::mouseClick(dlg.UpdateNowButton(), Qt::LeftButton);
        EXPECT_FALSE(std::filesystem::exists(folder / "KTSetup.exe")) << answer.status;
        EXPECT_TRUE(dlg.isVisible() && dlg.UpdateNowButton()->isEnabled() && !dlg.Downloaded());
    }
    ASSERT_EQ(home.prompter.messages.size(), 2u);
    EXPECT_EQ(home.prompter.messages[1].rfind("Unable to open the file KTSetup.exe on the Quorvane website.", 0), 0u);  // the 404
    // Esc during a download stops it and keeps the dialog; the next Esc closes it.
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, "", std::nullopt, true});
    CUpdateDlg stopped(NewerRequest(), server.Site(), test::HomePrompter());
    stopped.show();
    QTimer::singleShot(200, &stopped, [&] { QTest::keyClick(&stopped, Qt::Key_Escape); });
    EXPECT_EQ(stopped.DownloadUpdate(), QString());
    EXPECT_TRUE(stopped.isVisible());
    QTest::keyClick(&stopped, Qt::Key_Escape);
    EXPECT_FALSE(stopped.isVisible());
    EXPECT_EQ(home.prompter.messages.size(), 2u);

    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, QByteArray(1000, 'x'), std::nullopt, false});
    CUpdateDlg dlg(NewerRequest(), server.Site(), test::HomePrompter());
    QTest::mouseClick(dlg.DownloadOnlyButton(), Qt::LeftButton);
    EXPECT_EQ(test::ReadAll(folder / "KTSetup.exe"), std::string(1000, 'x'));
    EXPECT_EQ(Shown(&dlg), "Install|Open Folder|View Quorvane Website|Update Later (Esc)|KTSetup.exe has been downloaded to: " +
                               folder.string().substr(0, 4));
    const size_t requests = server.Requests().size();
    QTest::mouseClick(dlg.DownloadOnlyButton(), Qt::LeftButton);  // now "Open Folder"
    QTest::mouseClick(dlg.UpdateNowButton(), Qt::LeftButton);     // now "Install": no second fetch
    EXPECT_EQ(server.Requests().size(), requests);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    // Update Now fetches without a length announced and starts the installer.
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, QByteArray(700, 'y'), -1, false});
    CUpdateDlg now(NewerRequest(), server.Site(), test::HomePrompter());
    QTest::mouseClick(now.UpdateNowButton(), Qt::LeftButton);
    EXPECT_EQ(test::ReadAll(folder / "KTSetup.exe").size(), 700u);
    CUpdateDlg site(NewerRequest(), server.Site(), test::HomePrompter());
    QTest::mouseClick(site.WebsiteButton(), Qt::LeftButton);
    EXPECT_EQ(site.result(), CUpdateDlg::kWebsiteResult);
    EXPECT_EQ(opener.opened, (std::vector<std::string>{FileUrl(folder), FileUrl(folder / "KTSetup.exe"), FileUrl(folder / "KTSetup.exe"),
                                                       "http://" + server.Host() + "/"}));
    EXPECT_EQ(home.prompter.messages.size(), 2u);
}

// Points the program's update site at `site` for its lifetime; afterwards the dead site again.
struct ScopedSite {
    explicit ScopedSite(const kt::UpdateSite& site) : site(site) { kt::SetUpdateSiteForTesting(&this->site); }
    ~ScopedSite() {
        static const kt::UpdateSite dead = test::DeadSite();
        kt::SetUpdateSiteForTesting(&dead);
    }
    kt::UpdateSite site;
};

// A server offering the program's own version plus `revision`, with AutoUpdate stored as `on`.
void Serve(LocalHttpServer& server, const test::UiHome& home, int revision, bool on) {
    const kt::VersionNumber v = kt::CFileVersionInfo::Own().FileVersion();
    server.Serve(
        kVersionPath,
        HttpAnswer{200, QByteArray::fromStdString(kt::VersionText({{v.parts[0], v.parts[1], v.parts[2], v.parts[3] + revision}}) + "\n"),
                   std::nullopt, false});
    std::filesystem::create_directories(home.ConfigFolder() / "Kinetrax");
    test::WriteAll(
        home.ConfigFolder() / "Kinetrax" / "Kinetrax.reg",
        std::string("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kinetrax]\r\n\"AutoUpdate\"=dword:0000000") +
            (on ? "1" : "0") + "\r\n");
}

TEST(MainFrameUpdate, StartUpCheckOffersTheUpdateAndTheInstallerEndsTheProgramThroughTheSaveQuestion) {
    test::UiHome home;
    test::ScopedClock now(test::Wednesday());
    test::DesktopOpens opener;
    LocalHttpServer server;
    Serve(server, home, 1, true);
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, QByteArray(1000, 's'), std::nullopt, false});
    ScopedSite site(server.Site());
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    // A record the user added and has not saved yet.
    frame.Doc().AddRecord(CEventRecord(LocalMidnight(2016, 1, 13), "Golf, general", "Range", 30, "Club", 150, 80, 1, ""));
    home.prompter.answers = {kt::Answer::Yes};
    std::string shown;
    test::OnNextDialog<CUpdateDlg>([&](CUpdateDlg* dlg) {
        shown = Shown(dlg);
        QTest::mouseClick(dlg->UpdateNowButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !home.prompter.questions.empty(); }, 10000));
    EXPECT_NE(shown.find("|There is a newer version of Kinetrax"), std::string::npos) << shown;
    EXPECT_EQ(opener.opened, std::vector<std::string>{FileUrl(home.home() / "Downloads/Quorvane/KTSetup.exe")});
    // The program ended by its own close: it asked, and the answer saved the new record.
    EXPECT_EQ(home.prompter.questions.size(), 1u);
    EXPECT_NE(test::ReadAll(home.DataFolder() / "ExerciseData.edb").find("Range"), std::string::npos);
}

TEST(MainFrameUpdate, HelpMenuChecksOnRequestOnlyWhenAutoUpdateIsOff) {
    test::UiHome home;
    LocalHttpServer server;
    Serve(server, home, 0, false);
    ScopedSite site(server.Site());
    auto frame = test::StartMainFrame();
    ASSERT_TRUE(frame);
    QTest::qWait(100);
    EXPECT_TRUE(server.Requests().empty());

    const std::string version = kt::VersionText(kt::CFileVersionInfo::Own().FileVersion());
    std::string text;
    test::OnNextDialog<CUpdateDlg>([&](CUpdateDlg* dlg) {
        text = test::Text(dlg->Message()->toPlainText());
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    frame->Action(kt::cmd::kCheckVersion)->trigger();
    EXPECT_NE(text.find("\n\nVersion " + version + " is identified as the most current"), std::string::npos) << text;
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_TRUE(home.prompter.messages.empty());
}

}  // namespace
}  // namespace kt::ui
