#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include "core/app/Commands.h"
#include "core/update/UpdateSite.h"
#include "support/UiTestSupport.h"
#include "ui/about/AboutDlg.h"
#include "ui/app/MainFrame.h"
#include "ui/base/DesktopOpener.h"
#include "ui/base/QtText.h"
#include "ui/support/LocalHttpServer.h"
#include "ui/update/UpdateDlg.h"
#include "ui/update/VersionChecker.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt::ui {
namespace {

using kt::test::HttpAnswer;
using kt::test::LocalHttpServer;

kt::CFileVersionInfo Own(int a, int b, int c, int d) {
    std::array<std::string, 12> strings;
    strings[1] = "Exercise Journal";
    strings[6] = "Kinetrax";
    return kt::CFileVersionInfo(kt::VersionNumber{{a, b, c, d}}, strings);
}

// Records what would have been opened with the desktop's handlers.
struct OpenRecorder {
    OpenRecorder() {
        SetDesktopOpenerForTesting([this](const QUrl& url) {
            opened.push_back(url.toString());
            return true;
        });
    }
    ~OpenRecorder() { SetDesktopOpenerForTesting(nullptr); }
    std::vector<QString> opened;
};

// What the update dialog showed: mode-dependent captions, visible buttons and the message.
struct Shown {
    bool shown = false;
    std::string captions;
    std::string text;
};

std::string Captions(CUpdateDlg* dlg) {
    std::string out;
    for (COwnerDrawButton* b : {dlg->UpdateNowButton(), dlg->DownloadOnlyButton(), dlg->WebsiteButton(), dlg->CancelButton()}) {
        if (!b->isHidden()) out += (out.empty() ? "" : "|") + kt::test::Text(b->Caption());
    }
    return out + (dlg->Progress()->isHidden() ? "" : " +progress");
}

// Runs one check against `server` and closes whatever dialog it opens with Cancel.
Shown Check(LocalHttpServer& server, const kt::CFileVersionInfo& own, bool showCurrent, bool showNotUploaded, int timeoutMs = 3000) {
    Shown shown;
    CVersionChecker checker(own, server.Site(), "/opt/kt/kinetrax", kt::test::HomePrompter());
    checker.SetTimeoutMs(timeoutMs);
    const QPointer<QTimer> watcher = kt::test::OnNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<CUpdateDlg*>(modal);
        if (!dlg) return;
        shown.shown = true;
        shown.captions = Captions(dlg);
        shown.text = kt::test::Text(dlg->Message()->toPlainText());
        QTest::mouseClick(dlg->CancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(checker.Run({showCurrent, showNotUploaded, "KT"}));
    kt::test::CancelModalWatcher(watcher);
    return shown;
}

const QByteArray kFiveLines = "1462060800\r\n2\r\n6\r\n1\r\n5\r\n";

TEST(VersionCheckUi, AnswersOfALocalServerOpenTheDialogInTheirMode) {
    kt::test::UiHome home;
    LocalHttpServer server;
    const std::string all = "Update Kinetrax Now|Download Only|View Quorvane Website|Continue - no action (Esc) +progress";
    const struct {
        QByteArray body;
        int status;
        kt::CFileVersionInfo own;
        bool showCurrent, showNotUploaded;
        std::string captions;  // "" = no dialog
        std::string textStart;
    } cases[] = {
        {kFiveLines, 200, Own(2, 6, 1, 4), false, false, all, "There is a newer version of Kinetrax available."},
        {kFiveLines, 200, Own(2, 6, 1, 5), true, false, all, "You are using Kinetrax (Exercise Journal), Version 2.6.1.5."},
        {kFiveLines, 200, Own(2, 6, 1, 5), false, false, "", ""},
        {kFiveLines, 200, Own(2, 6, 1, 6), false, true, "Close (Esc)", "This newer version of Kinetrax (Version 2.6.1.6)"},
        {"2.10.0.0\n", 200, Own(2, 9, 9, 9), false, false, all, "There is a newer version"},
        {"", 200, Own(2, 6, 1, 5), false, false, "Close (Esc)", "Unable to obtain version information"},
        {QByteArray(5000, '7'), 200, Own(2, 6, 1, 5), false, false, "Close (Esc)", "Unable to obtain version information"},
        {"<!DOCTYPE html>\n", 200, Own(1, 0, 0, 0), true, false, "", ""},
        {"<html><body>Not Found</body></html>", 404, Own(2, 6, 1, 5), false, false, "Close (Esc)", "Unable to obtain version"},
    };
    for (const auto& c : cases) {
        server.Serve(QStringLiteral("/Quorvane/KTVersion.txt"), HttpAnswer{c.status, c.body, std::nullopt, false});
        const Shown shown = Check(server, c.own, c.showCurrent, c.showNotUploaded);
        EXPECT_EQ(shown.captions, c.captions) << c.body.left(40).toStdString();
        EXPECT_EQ(shown.text.rfind(c.textStart, 0), 0u) << shown.text;
        EXPECT_EQ(server.Requests().back(), QStringLiteral("/Quorvane/KTVersion.txt"));
    }
    EXPECT_TRUE(home.prompter.messages.empty());
}

TEST(VersionCheckUi, AServerThatNeverAnswersIsGivenUpSilentlyAtStartUpAndReportedFromTheMenu) {
    kt::test::UiHome home;
    LocalHttpServer server;
    server.Serve(QStringLiteral("/Quorvane/KTVersion.txt"), HttpAnswer{200, "", std::nullopt, true});
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(Check(server, Own(2, 6, 1, 4), false, false, 300).shown);
    EXPECT_TRUE(home.prompter.messages.empty());
    EXPECT_FALSE(Check(server, Own(2, 6, 1, 4), true, false, 300).shown);
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("The Quorvane website could not be reached (" + server.Host() + "):\n", 0), 0u);
    EXPECT_LT(clock.elapsed(), 10000);  // given up by the time-out, not by the test's own limit

    // Nobody listening at all: the same.
    CVersionChecker dead(Own(2, 6, 1, 4), kt::test::DeadSite(), "/opt/kt/kinetrax", kt::test::HomePrompter());
    QSignalSpy finished(&dead, &CVersionChecker::finished);
    dead.Start({false, false, "KT"});
    EXPECT_TRUE(dead.Busy());
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.at(0).at(0).toBool(), false);
    EXPECT_EQ(home.prompter.messages.size(), 1u);
}

kt::UpdateRequest NewerRequest() {
    return kt::EvaluateVersionResponse(kFiveLines.toStdString(), Own(2, 6, 1, 4), {false, false, "KT"}).value();
}

std::vector<int> Percents(const QSignalSpy& spy) {
    std::vector<int> out;
    for (const QList<QVariant>& args : spy) out.push_back(args.at(0).toInt());
    return out;
}

TEST(UpdateDialogUi, DownloadOnlyFetchesInBlocksThenInstallOpensTheFileWithoutFetchingAgain) {
    kt::test::UiHome home;
    OpenRecorder opener;
    LocalHttpServer server;
    QByteArray setup(1000, 'x');
    setup[0] = 'M';
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, setup, std::nullopt, false});
    CUpdateDlg dlg(NewerRequest(), server.Site(), kt::test::HomePrompter());
    QSignalSpy blocks(&dlg, &CUpdateDlg::blockWritten);
    EXPECT_EQ(dlg.PercentLabel()->text(), QString());

    QTest::mouseClick(dlg.DownloadOnlyButton(), Qt::LeftButton);
    const auto folder = home.home() / "Downloads" / "Quorvane";
    EXPECT_EQ(Percents(blocks), (std::vector<int>{51, 100}));
    EXPECT_EQ(dlg.PercentLabel()->text(), QStringLiteral("100%"));
    EXPECT_EQ(dlg.Progress()->value(), 100);
    EXPECT_TRUE(dlg.Downloaded());
    EXPECT_EQ(kt::test::ReadAll(folder / "KTSetup.exe"), setup.toStdString());
    EXPECT_EQ(kt::test::Text(dlg.Message()->toPlainText()),
              "KTSetup.exe has been downloaded to: " + folder.string() +
                  "\nYou may install the update now, open the folder containing the update now, or update later.");
    EXPECT_EQ(Captions(&dlg), "Install|Open Folder|View Quorvane Website|Update Later (Esc) +progress");

    QTest::mouseClick(dlg.DownloadOnlyButton(), Qt::LeftButton);  // now "Open Folder"
    QTest::mouseClick(dlg.UpdateNowButton(), Qt::LeftButton);     // now "Install"
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(opener.opened, (std::vector<QString>{QUrl::fromLocalFile(ToQ(folder.string())).toString(),
                                                   QUrl::fromLocalFile(ToQ((folder / "KTSetup.exe").string())).toString()}));
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_TRUE(home.prompter.messages.empty());
}

TEST(UpdateDialogUi, UpdateNowDownloadsAndStartsTheInstallerAndTheWebsiteButtonOpensTheSite) {
    kt::test::UiHome home;
    OpenRecorder opener;
    LocalHttpServer server;
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, QByteArray(700, 'y'), -1, false});  // no length announced
    CUpdateDlg dlg(NewerRequest(), server.Site(), kt::test::HomePrompter());
    QSignalSpy blocks(&dlg, &CUpdateDlg::blockWritten);
    QTest::mouseClick(dlg.UpdateNowButton(), Qt::LeftButton);
    EXPECT_EQ(Percents(blocks), (std::vector<int>{-1, -1}));
    EXPECT_EQ(dlg.PercentLabel()->text(), QStringLiteral("Downloading"));
    const std::string file = (home.home() / "Downloads/Quorvane/KTSetup.exe").string();
    EXPECT_EQ(kt::test::ReadAll(file).size(), 700u);
    EXPECT_EQ(opener.opened, std::vector<QString>{QUrl::fromLocalFile(ToQ(file)).toString()});
    EXPECT_EQ(dlg.result(), QDialog::Accepted);

    CUpdateDlg site(NewerRequest(), server.Site(), kt::test::HomePrompter());
    QTest::mouseClick(site.WebsiteButton(), Qt::LeftButton);
    EXPECT_EQ(site.result(), CUpdateDlg::kWebsiteResult);
    EXPECT_EQ(opener.opened.back(), ToQ("http://" + server.Host() + "/"));
}

TEST(UpdateDialogUi, FailedDownloadsAreReportedKeepNoFileAndLeaveTheDialogOpen) {
    kt::test::UiHome home;
    OpenRecorder opener;
    LocalHttpServer server;
    const auto target = home.home() / "Downloads/Quorvane/KTSetup.exe";
    const struct {
        HttpAnswer answer;
        std::string message;
    } cases[] = {
        {{200, QByteArray(600, 'z'), 1000, false}, "The download of KTSetup.exe was incomplete (600 of 1000 bytes). Please try again."},
        {{200, QByteArray(), std::nullopt, false}, "The download of KTSetup.exe was incomplete (0 of 0 bytes). Please try again."},
        {{404, "gone", std::nullopt, false},
         "Unable to open the file KTSetup.exe on the Quorvane website. Please contact Quorvane at help@example.org and provide the URL "
         "being used: http://" +
             server.Host() + "/KTSetup.exe"},
    };
    for (const auto& c : cases) {
        home.prompter.messages.clear();
        server.Serve(QStringLiteral("/KTSetup.exe"), c.answer);
        CUpdateDlg dlg(NewerRequest(), server.Site(), kt::test::HomePrompter());
        dlg.show();
        QTest::mouseClick(dlg.UpdateNowButton(), Qt::LeftButton);
        EXPECT_EQ(home.prompter.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(std::filesystem::exists(target)) << c.message;
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_FALSE(dlg.Downloaded());
        EXPECT_TRUE(dlg.UpdateNowButton()->isEnabled());
    }
    EXPECT_TRUE(opener.opened.empty());

    // A blocked Downloads/Quorvane stops before anything is written.
    home.prompter.messages.clear();
    std::filesystem::remove_all(home.home() / "Downloads/Quorvane");
    kt::test::WriteAll(home.home() / "Downloads/Quorvane", "in the way");
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, "abc", std::nullopt, false});
    CUpdateDlg blocked(NewerRequest(), server.Site(), kt::test::HomePrompter());
    EXPECT_EQ(blocked.DownloadUpdate(), QString());
    ASSERT_EQ(home.prompter.messages.size(), 1u);
    EXPECT_EQ(home.prompter.messages[0].rfind("An error occurred (Error Code: 14) and the Quorvane temp data folder", 0), 0u);
}

TEST(UpdateDialogUi, EscapeDuringADownloadStopsItAndKeepsTheDialog) {
    kt::test::UiHome home;
    LocalHttpServer server;
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, "", std::nullopt, true});
    CUpdateDlg dlg(NewerRequest(), server.Site(), kt::test::HomePrompter());
    dlg.show();
    QTimer::singleShot(200, &dlg, [&] { QTest::keyClick(&dlg, Qt::Key_Escape); });
    EXPECT_EQ(dlg.DownloadUpdate(), QString());
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_TRUE(home.prompter.messages.empty());
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace kt::ui

namespace kt::ui {
namespace {

// Points the program's update site at `site` for its lifetime; afterwards the dead site again.
class ScopedSite {
public:
    explicit ScopedSite(const kt::UpdateSite& site) : m_site(site) { kt::SetUpdateSiteForTesting(&m_site); }
    ~ScopedSite() { kt::SetUpdateSiteForTesting(&Dead()); }

private:
    static const kt::UpdateSite& Dead() {
        static const kt::UpdateSite dead = kt::test::DeadSite();
        return dead;
    }
    kt::UpdateSite m_site;
};

void WriteAutoUpdate(const kt::test::UiHome& home, bool on) {
    std::filesystem::create_directories(home.ConfigFolder() / "Kinetrax");
    kt::test::WriteAll(
        home.ConfigFolder() / "Kinetrax" / "Kinetrax.reg",
        std::string("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Kinetrax]\r\n\"AutoUpdate\"=dword:0000000") +
            (on ? "1" : "0") + "\r\n");
}

QByteArray OwnVersionPlus(int revision) {
    const kt::VersionNumber v = kt::CFileVersionInfo::Own().FileVersion();
    return QByteArray::fromStdString(kt::VersionText({{v.parts[0], v.parts[1], v.parts[2], v.parts[3] + revision}}) + "\n");
}

TEST(MainFrameUpdate, StartUpCheckOffersTheUpdateAndTheInstallerEndsTheProgramThroughTheSaveQuestion) {
    kt::test::UiHome home;
    kt::test::ScopedClock now(kt::MakeLocalTime(2016, 1, 13, 12, 0, 0));
    OpenRecorder opener;
    LocalHttpServer server;
    server.Serve(QStringLiteral("/Quorvane/KTVersion.txt"), HttpAnswer{200, OwnVersionPlus(1), std::nullopt, false});
    server.Serve(QStringLiteral("/KTSetup.exe"), HttpAnswer{200, QByteArray(1000, 's'), std::nullopt, false});
    ScopedSite site(server.Site());
    WriteAutoUpdate(home, true);
    kt::test::WriteDatabase(home.DataFolder(),
                            {kt::CEventRecord(kt::LocalMidnight(2016, 1, 12), "Golf, general", "Course", 60, "Club", 300, 80, 1, "")});
    auto frame = kt::test::StartMainFrame();
    ASSERT_TRUE(frame);
    // A record the user added and has not saved yet.
    frame.Doc().AddRecord(kt::CEventRecord(kt::LocalMidnight(2016, 1, 13), "Golf, general", "Range", 30, "Club", 150, 80, 1, ""));
    home.prompter.answers = {kt::Answer::Yes};

    std::string message;
    kt::test::OnNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<CUpdateDlg*>(modal);
        ASSERT_TRUE(dlg);
        message = kt::test::Text(dlg->Message()->toPlainText());
        QTest::mouseClick(dlg->UpdateNowButton(), Qt::LeftButton);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return !home.prompter.questions.empty(); }, 10000));
    EXPECT_EQ(message.rfind("There is a newer version of Kinetrax available.", 0), 0u) << message;
    const auto setup = home.home() / "Downloads/Quorvane/KTSetup.exe";
    EXPECT_EQ(opener.opened, std::vector<QString>{QUrl::fromLocalFile(ToQ(setup.string())).toString()});
    // The program ended by its own close: it asked, and the answer saved the new record.
    EXPECT_EQ(home.prompter.questions.size(), 1u);
    const std::string saved = kt::test::ReadAll(home.DataFolder() / "ExerciseData.edb");
    EXPECT_NE(saved.find("Range"), std::string::npos);
}

TEST(MainFrameUpdate, HelpMenuChecksOnRequestOnlyWhenAutoUpdateIsOffAndAboutShowsTheVersion) {
    kt::test::UiHome home;
    LocalHttpServer server;
    server.Serve(QStringLiteral("/Quorvane/KTVersion.txt"), HttpAnswer{200, OwnVersionPlus(0), std::nullopt, false});
    ScopedSite site(server.Site());
    WriteAutoUpdate(home, false);
    auto frame = kt::test::StartMainFrame();
    ASSERT_TRUE(frame);
    QTest::qWait(100);
    EXPECT_TRUE(server.Requests().empty());

    const kt::CFileVersionInfo& own = kt::CFileVersionInfo::Own();
    const std::string version = kt::VersionText(own.FileVersion());
    std::string text;
    kt::test::OnNextModal([&](QWidget* modal) {
        auto* dlg = qobject_cast<CUpdateDlg*>(modal);
        ASSERT_TRUE(dlg);
        text = kt::test::Text(dlg->Message()->toPlainText());
        QTest::keyClick(dlg, Qt::Key_Escape);
    });
    frame->Action(kt::cmd::kCheckVersion)->trigger();
    EXPECT_EQ(text, "You are using Kinetrax (" + own.GetFileDescription() + "), Version " + version + ".\n\nVersion " + version +
                        " is identified as the most current on the Quorvane website.");
    EXPECT_EQ(server.Requests().size(), 1u);

    kt::test::OnNextModal([&](QWidget* modal) {
        auto* about = qobject_cast<CAboutDlg*>(modal);
        ASSERT_TRUE(about);
        text = kt::test::Text(about->Heading()->toPlainText());
        about->accept();
    });
    frame->Action(kt::cmd::kAbout)->trigger();
    EXPECT_EQ(text.substr(0, text.rfind('\n')), "Kinetrax\nVersion " + version);
    EXPECT_TRUE(home.prompter.messages.empty());
}

}  // namespace
}  // namespace kt::ui
