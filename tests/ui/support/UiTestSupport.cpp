#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <cstdlib>
#include <stdexcept>

#include "core/journal/KT2Doc.h"
#include "core/settings/FileSettingsStore.h"
#include "ui/Scenario.h"
#include "ui/settings/InitialWeightDlg.h"

namespace kt::test {
namespace {

UiHome* g_home = nullptr;
bool g_weightAsked = false;
const char* const kHomeVariables[] = {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"};

}  // namespace

UiHome::UiHome() {
    const std::filesystem::path folders[] = {m_dir.path(), m_dir.path() / ".config", m_dir.path() / ".local" / "share"};
    std::filesystem::create_directories(m_dir.path() / "Documents");
    for (size_t i = 0; i < 3; ++i) {
        const char* old = std::getenv(kHomeVariables[i]);
        m_old[i] = old ? old : "";
        std::filesystem::create_directories(folders[i]);
        setenv(kHomeVariables[i], folders[i].c_str(), 1);
    }
    g_home = this;
}

UiHome::~UiHome() {
    g_home = nullptr;
    for (size_t i = 0; i < 3; ++i) m_old[i].empty() ? unsetenv(kHomeVariables[i]) : setenv(kHomeVariables[i], m_old[i].c_str(), 1);
}

QPointer<QTimer> OnNextModal(std::function<void(QWidget*)> action, int timeoutMs) {
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, action, timeoutMs] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && clock->elapsed() <= timeoutMs) return;
        timer->stop();
        timer->deleteLater();
        if (modal) action(modal);
    });
    timer->start(10);
    return timer;
}

void CancelModalWatcher(const QPointer<QTimer>& watcher) {
    if (!watcher) return;
    watcher->stop();
    watcher->deleteLater();
}

bool InitialWeightWasAsked() { return g_weightAsked; }

kt::Prompter& HomePrompter() {
    if (!g_home) throw std::logic_error("HomePrompter needs a UiHome");
    return g_home->prompter;
}

App::~App() {
    // The window goes first: it still speaks to the session while it is destroyed.
    frame.reset();
    session.reset();
}

App& App::operator=(App&& other) noexcept {
    frame.reset();
    session = std::move(other.session);
    frame = std::move(other.frame);
    return *this;
}

App OpenMainFrame(kt::Prompter* prompter) {
    App app;
    app.session = std::make_unique<kt::Session>(std::make_unique<kt::FileSettingsStore>(kt::FileSettingsStore::DefaultPath()),
                                                prompter ? *prompter : HomePrompter());
    app.frame = std::make_unique<kt::ui::CMainFrame>(*app.session);
    if (!app.frame->OnCreate() || !app.frame->StartDocument()) return App();
    return app;
}

bool WaitForJournal(App& app, std::optional<std::string> initialWeight) {
    g_weightAsked = false;
    const QPointer<QTimer> watcher = OnNextModal([initialWeight](QWidget* modal) {
        auto* dlg = qobject_cast<kt::ui::CInitialWeightDlg*>(modal);
        if (!dlg) return;
        g_weightAsked = true;
        if (!initialWeight) return dlg->reject();
        dlg->WeightEdit()->setText(QString::fromStdString(*initialWeight));
        dlg->KilogramsButton()->setChecked(true);
        dlg->accept();
    });
    const bool ready = app.frame->WaitForJournal(10000);
    CancelModalWatcher(watcher);
    return ready;
}

App StartMainFrame(std::optional<std::string> initialWeight, kt::Prompter* prompter) {
    App app = OpenMainFrame(prompter);
    return app && WaitForJournal(app, initialWeight) ? std::move(app) : App();
}

ScopedClock::ScopedClock(kt::Time64 now) : clock(now) { kt::SetDefaultClockForTesting(&clock); }

ScopedClock::~ScopedClock() { kt::SetDefaultClockForTesting(nullptr); }

void WriteDatabase(const std::filesystem::path& dataFolder, const std::vector<kt::CEventRecord>& records) {
    std::filesystem::create_directories(dataFolder);
    kt::CKT2Doc doc;
    doc.m_strDataFolder = dataFolder.string();
    doc.SetRecords(records);
    RecordingPrompter prompter;
    if (!doc.SaveDatabase(prompter, FixedClock(1700000000))) throw std::runtime_error("cannot write the test database");
}

bool ShowActive(QWidget* window) {
    window->show();
    return QTest::qWaitForWindowActive(window);
}

// A null widget makes QTest look up the focus widget for every single key.
void TypeKeys(const QString& text) { QTest::keyClicks(static_cast<QWidget*>(nullptr), text); }

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers); }

void TypeIntoCell(kt::ui::CGridCtrl* grid, int row, int column, const QString& text, Qt::Key endKey) {
    grid->setFocus();
    grid->SetCurrentCell(row - 1, column);
    // The first key goes to the grid and opens the editor; the rest follow the focus into it.
    TypeKeys(text);
    if (endKey != Qt::Key_unknown) PressKey(endKey);
}

QString Cell(kt::ui::CGridCtrl* grid, int row, int column) { return grid->model()->index(row - 1, column).data().toString(); }

QStringList CellOptions(kt::ui::CGridCtrl* grid, int row, int column) {
    return grid->model()->index(row - 1, column).data(kt::ui::kOptionsRole).toStringList();
}

void CaptureOneRow(kt::ui::CGridCtrl* grid, const char* type, const char* description, const char* duration) {
    TypeIntoCell(grid, 1, 0, QString::fromLatin1(type));
    TypeIntoCell(grid, 1, 1, QString::fromLatin1(description));
    TypeIntoCell(grid, 1, 2, QString::fromLatin1(duration));
    PressKey(Qt::Key_R, Qt::ControlModifier);
}

}  // namespace kt::test
