#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "support/UiTestSupport.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/ReaderDlg.h"
#include "ui/about/VersionHistoryDlg.h"
#include "ui/base/DesktopOpener.h"
#include "ui/base/QtText.h"
#include "ui/widgets/HyperLink.h"

namespace kt::ui {
namespace {

kt::CFileVersionInfo Info() {
    std::array<std::string, 12> strings;
    strings[1] = "Kinetrax Exercise Journal";
    strings[4] = "Copyright (C) Quorvane Software";
    strings[6] = "Kinetrax";
    return kt::CFileVersionInfo(kt::VersionNumber{{2, 6, 1, 5}}, strings);
}

const kt::UpdateSite kSite{"https", "www.example.org", "dl.example.org", "help@example.org", "Quorvane Software\nSomewhere 1"};

// The program folder of these tests: the shipped documents, copied as the build copies them.
std::filesystem::path ProgramFolder(const kt::test::TempDir& dir) {
    const auto folder = dir / "bin";
    std::filesystem::create_directories(folder);
    for (const char* name : {"Licence.rtf", "KinetraxReadMe.rtf", "KTVersionHistory.htm"}) {
        std::filesystem::copy_file(std::filesystem::path(KT_SOURCE_DOCS) / name, folder / name);
    }
    return folder;
}

// Clicks `button` and reports the title and text of the dialog it opens, then closes that dialog.
std::pair<std::string, std::string> Opened(QPushButton* button) {
    std::pair<std::string, std::string> seen;
    const QPointer<QTimer> watcher = kt::test::OnNextModal([&](QWidget* modal) {
        seen.first = kt::test::Text(modal->windowTitle());
        if (auto* reader = qobject_cast<CReaderDlg*>(modal)) {
            seen.second = kt::test::Text(reader->Text()->toPlainText());
            EXPECT_EQ(reader->Text()->palette().color(QPalette::Base),
                      seen.first.find("License") != std::string::npos ? QColor(225, 255, 225) : QColor(168, 210, 255));
        }
        if (auto* history = qobject_cast<CVersionHistoryDlg*>(modal)) seen.second = kt::test::Text(history->Browser()->toPlainText());
        qobject_cast<QDialog*>(modal)->reject();
    });
    QTest::mouseClick(button, Qt::LeftButton);
    kt::test::CancelModalWatcher(watcher);
    return seen;
}

TEST(AboutDlgUi, ShowsVersionMakerAndLinksAndOpensTheDocuments) {
    kt::test::UiHome home;
    kt::test::TempDir dir;
    const auto program = ProgramFolder(dir);
    CAboutDlg dlg(Info(), kSite, 1462060800, ToQ(program.string()));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About KT2"));
    EXPECT_EQ(dlg.Heading()->toPlainText(), QStringLiteral("Kinetrax\nVersion 2.6.1.5\nMay 01, 2016"));
    EXPECT_EQ(dlg.MakerLabel()->text(), QStringLiteral("Quorvane Software\nSomewhere 1"));
    EXPECT_EQ(dlg.CopyrightLabel()->text(), QStringLiteral("Copyright (C) Quorvane Software"));
    EXPECT_EQ(dlg.DescriptionLabel()->text(), QStringLiteral("Kinetrax Exercise Journal"));
    EXPECT_EQ(dlg.WebLink()->Text(), QStringLiteral("www.example.org"));
    // Drawn from a vector, so it stays sharp on a screen at twice the scale.
    EXPECT_EQ(dlg.WebLink()->Icon().pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
    EXPECT_EQ(dlg.MailLink()->Url().toString(), QStringLiteral("mailto:help@example.org"));

    // The documents are found beside the program when the current folder has none.
    const QString oldCwd = QDir::currentPath();
    QDir::setCurrent(ToQ(dir.path().string()));
    const auto licence = Opened(dlg.LicenceButton());
    EXPECT_EQ(licence.first, "Kinetrax (KT2) License");
    EXPECT_NE(licence.second.find("Kinetrax is free to use."), std::string::npos) << licence.second;
    const auto readme = Opened(dlg.ReadMeButton());
    EXPECT_EQ(readme.first, "Kinetrax (KT2) ReadMe file");
    EXPECT_EQ(readme.second.rfind("Kinetrax (KT2)\nYour exercise journal\n", 0), 0u) << readme.second;
    // A copy in the current folder wins.
    kt::test::WriteAll(dir / "Licence.rtf", "{\\rtf1 Local copy}");
    EXPECT_EQ(Opened(dlg.LicenceButton()).second, "Local copy");
    QDir::setCurrent(oldCwd);

    const auto history = Opened(dlg.HistoryButton());
    EXPECT_EQ(history.first,
              "KT Version History: " + QUrl::fromLocalFile(ToQ((program / "KTVersionHistory.htm").string())).toString().toStdString());
    EXPECT_NE(history.second.find("Version 2.0.0"), std::string::npos) << history.second;
}

TEST(AboutDlgUi, LinksOpenWithTheDesktopAndTurnGreenOnceVisited) {
    kt::test::UiHome home;
    std::vector<QString> opened;
    SetDesktopOpenerForTesting([&](const QUrl& url) {
        opened.push_back(url.toString());
        return true;
    });
    CAboutDlg dlg(Info(), kSite, 0, QStringLiteral("/nonexistent"));
    EXPECT_EQ(dlg.WebLink()->TextColour(), QColor(0, 0, 255));
    QTest::mouseClick(dlg.WebLink(), Qt::LeftButton, {}, QPoint(4, 4));
    dlg.MailLink()->setFocus();
    QTest::keyClick(dlg.MailLink(), Qt::Key_Space);
    SetDesktopOpenerForTesting(nullptr);
    EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("https://www.example.org/"), QStringLiteral("mailto:help@example.org")}));
    EXPECT_EQ(dlg.WebLink()->TextColour(), QColor(0, 128, 0));

    // Without documents anywhere the reader is empty and the history names the hlp folder.
    const auto licence = Opened(dlg.LicenceButton());
    EXPECT_EQ(licence.second, "");
    EXPECT_EQ(Opened(dlg.HistoryButton()).first, "KT Version History: file:///hlp/KTVersionHistory.htm");
}

}  // namespace
}  // namespace kt::ui
