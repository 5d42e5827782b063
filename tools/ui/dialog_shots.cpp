// Writes a PNG of the main window on a demo journal (also with the database editor open, in its
// records and activities modes), of each dialog of the Help menu (update dialog
// in its four modes, About box, licence, readme, version history), of the Database menu (the trim
// dialog with and without its calendar, the automatic archive's report, the recombine question),
// of the print range, the first-run weight question and the default activities, of the
// option-lists editor, the preferences and the average details (on a sample journal), and of the
// database editor alone in both modes, the keyboard shortcuts and the new-date dialog into a
// folder, so they can be looked at without a desktop (QT_SCALE_FACTOR=2 for the high-density
// look, --dark for the program's dark palette):
//   kt-dialog-shots [--dark] OUTDIR [PROGRAM_FOLDER]
// PROGRAM_FOLDER holds the documents (the build folder by default, where the build copies them).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "core/about/About.h"
#include "core/activities/ActivityTable.h"
#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/app/Texts.h"
#include "core/base/Clock.h"
#include "core/base/Format.h"
#include "core/journal/Archive.h"
#include "core/journal/KT2Doc.h"
#include "core/print/PrintRange.h"
#include "core/settings/MemorySettingsStore.h"
#include "core/settings/Preferences.h"
#include "core/settings/Settings.h"
#include "core/stats/AverageDetails.h"
#include "core/update/FileVersionInfo.h"
#include "core/update/UpdateSite.h"
#include "core/update/VersionCheck.h"
#include "sampledata/SampleData.h"
#include "ui/about/AboutDlg.h"
#include "ui/about/ReaderDlg.h"
#include "ui/about/VersionHistoryDlg.h"
#include "ui/activities/EditComboOptionsDlg.h"
#include "ui/activities/GetNewItemDlg.h"
#include "ui/activities/OptionListModel.h"
#include "ui/activities/ShowDefaultActivities.h"
#include "ui/app/Demo.h"
#include "ui/app/EditHistory.h"
#include "ui/app/KT2App.h"
#include "ui/app/KbShortcutsDlg.h"
#include "ui/app/MainFrame.h"
#include "ui/base/QtPrompter.h"
#include "ui/base/ShownColours.h"
#include "ui/journal/ArchiveDlg.h"
#include "ui/journal/ArchiveReportDlg.h"
#include "ui/print/PrintRecordsDlg.h"
#include "ui/settings/InitialWeightDlg.h"
#include "ui/settings/PreferencesDlg.h"
#include "ui/stats/AvgDetailsDlg.h"
#include "ui/update/UpdateDlg.h"
#include "ui/views/EventRecordView.h"
#include "ui/views/NewDateDlg.h"
#include "ui/views/RecordListModel.h"

namespace {

bool Shoot(QWidget& dialog, const QString& file) {
    dialog.show();
    // Layouts settle over a few rounds of events (column widths follow the first resize).
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const bool ok = dialog.grab().save(file);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", file.toUtf8().constData());
    dialog.hide();
    return ok;
}

// The archive dialogs on a fixed day, so the pictures do not change with the date they are taken.
class PictureClock : public kt::Clock {
public:
    kt::Time64 Now() const override { return kt::LocalMidnight(2024, 3, 5) + 15 * 3600; }
};

bool ShootArchiveDialogs(const QDir& out, kt::Prompter& prompter) {
    const PictureClock clock;
    bool ok = true;
    kt::ui::CArchiveDlg trim(clock, prompter);
    ok &= Shoot(trim, out.filePath(QStringLiteral("archive.png")));
    trim.Choice(kt::kCutChosenDay)->click();
    ok &= Shoot(trim, out.filePath(QStringLiteral("archive-calendar.png")));

    QTemporaryDir folder;
    for (const char* name : {"ExerciseData.edb", "ExerciseData_Ending_12-31-23.edb", "ExerciseData_Ending_12-31-22.edb"}) {
        QFile file(QDir(folder.path()).filePath(QString::fromLatin1(name)));
        ok &= file.open(QIODevice::WriteOnly);
    }
    using Mode = kt::ui::CArchiveReportDlg::Mode;
    kt::ui::CArchiveReportDlg report(Mode::Automatic, kt::LocalMidnight(2024, 1, 1), folder.path().toStdString(), "1 1", clock);
    ok &= Shoot(report, out.filePath(QStringLiteral("archive-report.png")));
    kt::ui::CArchiveReportDlg recombine(Mode::Confirmation, 0, folder.path().toStdString(), "1 1", clock);
    ok &= Shoot(recombine, out.filePath(QStringLiteral("recombine.png")));
    return ok;
}

// The option-lists editor after a few edits (moved and added rows highlighted, the status in red),
// the activity type order, the new-item prompt, the preferences and the average details.
bool ShootSettingsDialogs(const QDir& out, kt::Prompter& prompter) {
    kt::sample::Options options;
    options.lastDay = kt::LocalMidnight(2024, 6, 15);
    kt::CKT2Doc doc;
    doc.SetRecords(kt::sample::GenerateRecords(options));
    doc.m_bMetric = true;
    doc.m_dLastWeight = 78.0;
    kt::Settings settings;
    settings.m_arDescriptions = kt::sample::Descriptions();
    settings.m_arLocations = kt::sample::Locations();
    settings.m_arSelectedActivities = kt::DefaultSelectedActivities();
    bool ok = true;

    kt::ui::CEditComboOptionsDlg editor(settings, kt::OptionListEditor(kt::OptionListMode::Descriptions, settings.m_arDescriptions),
                                        prompter);
    auto* model = qobject_cast<kt::ui::COptionListModel*>(editor.List()->model());
    model->MoveUp(4);
    model->MoveToTop(6);
    model->Remove(8);
    model->Add(QStringLiteral("Stair climbing"));
    editor.List()->selectRow(0);
    ok &= Shoot(editor, out.filePath(QStringLiteral("option-lists.png")));
    kt::ui::CEditComboOptionsDlg order(
        settings, kt::OptionListEditor::ForActivityTypes(kt::ActivityTable::Defaults(), settings.m_arSelectedActivities), prompter);
    ok &= Shoot(order, out.filePath(QStringLiteral("activity-order.png")));
    kt::ui::CGetNewItemDlg ask;
    ok &= Shoot(ask, out.filePath(QStringLiteral("new-item.png")));

    settings.m_nGraphPeriod = 4;
    settings.m_dMaxHours = 7.0;
    settings.m_bAddToCombo = true;
    settings.m_bAutoFill = true;
    settings.m_bUseLastWeight = true;
    settings.m_strAutoArchive = "3 15";
    kt::ui::CPreferencesDlg preferences(kt::PreferencesFromSettings(settings, doc.m_bMetric, 1));
    ok &= Shoot(preferences, out.filePath(QStringLiteral("preferences.png")));

    if (const auto range = kt::InitialPrintRange(doc, false)) {
        kt::ui::CPrintRecordsDlg print(*range);
        ok &= Shoot(print, out.filePath(QStringLiteral("print-range.png")));
    }
    kt::ui::CInitialWeightDlg weight(prompter);
    ok &= Shoot(weight, out.filePath(QStringLiteral("initial-weight.png")));
    kt::ui::CShowDefaultActivities defaults(kt::ActivityTable::Defaults());
    ok &= Shoot(defaults, out.filePath(QStringLiteral("default-activities.png")));

    const auto details = kt::CollectAverageDetails(doc, 2);
    kt::ui::CAvgDetailsDlg averages(doc, kt::ActivityTable::Defaults(), settings.m_arSelectedActivities, *details);
    ok &= Shoot(averages, out.filePath(QStringLiteral("average-details.png")));
    return ok;
}

// The main window on a sample journal ending today, at the size of a small desktop.
bool ShootMainWindow(const QDir& out, kt::Prompter& prompter) {
    std::string error;
    const std::unique_ptr<kt::ui::DemoHome> demo = kt::ui::DemoHome::Make(&error);
    if (!demo) {
        std::fprintf(stderr, "FAILED the demo journal: %s\n", error.c_str());
        return false;
    }
    const std::unique_ptr<kt::Session> session = demo->MakeSession(prompter);
    kt::ui::CMainFrame frame(*session);
    if (!frame.OnCreate() || !frame.StartDocument() || !frame.WaitForJournal()) return false;
    frame.resize(1280, 900);
    bool ok = Shoot(frame, out.filePath(QStringLiteral("main.png")));
    // The database editor above the entry grid, in its records mode and then its activities mode.
    frame.Action(kt::cmd::kToggleEditor)->trigger();
    ok &= Shoot(frame, out.filePath(QStringLiteral("main-editor.png")));
    frame.Action(kt::cmd::kShowActivities)->trigger();
    ok &= Shoot(frame, out.filePath(QStringLiteral("main-activities.png")));
    frame.close();
    return ok;
}

// The database editor on sample data: the records sorted by duration with one row loaded for
// correction, the activities with their ticks; the keyboard shortcuts and the new-date dialog.
bool ShootEditor(const QDir& out, kt::Prompter& prompter) {
    const PictureClock clock;
    kt::Session session(std::make_unique<kt::MemorySettingsStore>(), prompter, clock);
    kt::sample::Options options;
    options.lastDay = kt::LocalMidnight(2024, 6, 15);
    session.doc.SetRecords(kt::sample::GenerateRecords(options));
    session.settings.m_arSelectedActivities = kt::DefaultSelectedActivities();
    kt::ui::CEditHistory history(session);
    kt::ui::CEventRecordView editor(session, history);
    editor.resize(1100, 360);
    editor.show();
    editor.OnInitialUpdate();
    bool ok = Shoot(editor, out.filePath(QStringLiteral("editor-records.png")));
    editor.show();
    editor.OnColumnClick(3);
    editor.Records()->MarkEdited(2);
    editor.selectRow(4);
    ok &= Shoot(editor, out.filePath(QStringLiteral("editor-sorted.png")));
    editor.show();
    editor.SetEditorMode(1);
    ok &= Shoot(editor, out.filePath(QStringLiteral("editor-activities.png")));

    kt::ui::CKbShortcutsDlg shortcuts;
    ok &= Shoot(shortcuts, out.filePath(QStringLiteral("keyboard-shortcuts.png")));
    kt::ui::CNewDateDlg newDate(clock.Now());
    ok &= Shoot(newDate, out.filePath(QStringLiteral("new-date.png")));
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    kt::ForceCLocale();
    // The program's name and icon, as its dialogs show them.
    kt::ui::ApplyProgramIdentity(app);
    kt::ui::QtPrompter prompter;
    if (argc > 1 && std::string(argv[1]) == kt::text::kDarkArgument) {
        kt::ui::UseDarkPalette(app);
        --argc;
        ++argv;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: kt-dialog-shots [--dark] OUTDIR [PROGRAM_FOLDER]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    const QString program = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const kt::CFileVersionInfo& own = kt::CFileVersionInfo::Own();
    const kt::UpdateSite& site = kt::ConfiguredUpdateSite();
    bool ok = true;

    const struct {
        const char* file;
        const char* versionFile;
        kt::CheckRequest request;
    } updates[] = {
        {"update-newer.png", "1462060800\r\n99\r\n0\r\n0\r\n1\r\n", {false, false, "KT"}},
        {"update-current.png", "1462060800\r\n0\r\n0\r\n0\r\n1\r\n", {true, false, "KT"}},
        {"update-not-uploaded.png", "1462060800\r\n0\r\n0\r\n0\r\n1\r\n", {false, true, "KT"}},
        {"update-no-information.png", "", {false, false, "KT"}},
    };
    for (const auto& u : updates) {
        const auto request = kt::EvaluateVersionResponse(std::string(u.versionFile), own, u.request);
        if (!request) continue;
        kt::ui::CUpdateDlg dialog(*request, site, prompter);
        ok &= Shoot(dialog, out.filePath(QString::fromLatin1(u.file)));
    }

    const std::filesystem::path folder = QDir(program).absolutePath().toStdString();
    kt::ui::CAboutDlg about(own, site, kt::FileModificationTime(QCoreApplication::applicationFilePath().toStdString()),
                            QString::fromStdString(folder.string()));
    ok &= Shoot(about, out.filePath(QStringLiteral("about.png")));
    kt::ui::CReaderDlg licence(kt::ReaderDocument::Licence, kt::ReaderDocumentPath(kt::ReaderDocument::Licence, {}, folder));
    ok &= Shoot(licence, out.filePath(QStringLiteral("licence.png")));
    kt::ui::CReaderDlg readme(kt::ReaderDocument::ReadMe, kt::ReaderDocumentPath(kt::ReaderDocument::ReadMe, {}, folder));
    ok &= Shoot(readme, out.filePath(QStringLiteral("readme.png")));
    kt::ui::CVersionHistoryDlg history(QString::fromStdString(kt::VersionHistoryPath(folder).string()));
    ok &= Shoot(history, out.filePath(QStringLiteral("version-history.png")));
    ok &= ShootMainWindow(out, prompter);
    ok &= ShootArchiveDialogs(out, prompter);
    ok &= ShootSettingsDialogs(out, prompter);
    ok &= ShootEditor(out, prompter);
    return ok ? 0 : 1;
}
