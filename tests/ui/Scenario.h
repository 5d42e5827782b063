#pragma once
// What the ui scenarios need: a private HOME with its own Documents and config folders and a
// recording prompter, the program started in it on a journal with "now" fixed, answering modal
// dialogs from a timer, and typing as a user does.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "support/TestSupport.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/base/DesktopOpener.h"
#include "ui/views/DataView.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt::test {

// Points HOME and the XDG folders at a fresh temporary folder for its lifetime; the program
// started within it speaks through `prompter`.
struct UiHome {
    UiHome();
    ~UiHome();
    const std::filesystem::path& home() const { return m_dir.path(); }
    std::filesystem::path DataFolder() const { return m_dir.path() / "Documents" / "Quorvane" / "KT"; }
    std::filesystem::path ConfigFolder() const { return m_dir.path() / ".config"; }
    RecordingPrompter prompter;
    TempDir m_dir;
    std::string m_old[3];
};

// Runs `action` on the next modal widget that opens (polling from the event loop), to answer a
// dialog the code under test opens with exec(); cancel the watcher when it may not come at all.
QPointer<QTimer> OnNextModal(std::function<void(QWidget*)> action, int timeoutMs = 5000);
void CancelModalWatcher(const QPointer<QTimer>& watcher);
// The same for a dialog of class T: any other modal widget that opens first is closed instead,
// so a test waiting for the wrong dialog fails on what it expected rather than hanging.
template <typename T>
QPointer<QTimer> OnNextDialog(std::function<void(T*)> action, int timeoutMs = 5000) {
    const auto answer = [action](QWidget* modal) {
        auto* dialog = qobject_cast<T*>(modal);
        dialog ? action(dialog) : void(modal->close());
    };
    return OnNextModal(answer, timeoutMs);
}

// The program as the application object holds it: the session and the main window over it.
struct App {
    App() = default;
    App(App&&) = default;
    App& operator=(App&& other) noexcept;
    ~App();
    explicit operator bool() const { return frame != nullptr; }
    kt::ui::CMainFrame* operator->() const { return frame.get(); }
    kt::ui::CMainFrame* get() const { return frame.get(); }
    kt::CKT2Doc& Doc() const { return session->doc; }
    kt::Settings& Settings() const { return session->settings; }
    kt::ActivityTable& Activities() const { return session->activities; }
    const std::string& DataFolder() const { return session->dataFolder; }
    std::unique_ptr<kt::Session> session;
    std::unique_ptr<kt::ui::CMainFrame> frame;
};

// The prompter of the UiHome alive now, for windows and dialogs a test makes itself.
kt::Prompter& HomePrompter();

// Creates the main window as the application does, not shown, in the HOME of the UiHome alive now,
// and starts the journal's load in the background; `prompter` replaces the home's recording one.
App OpenMainFrame(kt::Prompter* prompter = nullptr);
// Lets the load finish and the start-up complete. When the start-up asks for the body weight,
// `initialWeight` is typed in and accepted with kilograms; nullopt cancels the dialog.
bool WaitForJournal(App& app, std::optional<std::string> initialWeight = std::string("80"));
// Both; empty when the start-up failed.
App StartMainFrame(std::optional<std::string> initialWeight = std::string("80"), kt::Prompter* prompter = nullptr);

// The child widget of `parent` named `name`; the test fails when there is none.
template <typename Widget>
Widget* Child(const QObject* parent, const char* name) {
    Widget* child = parent->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// True when the start-up of the last StartMainFrame asked for the body weight.
bool InitialWeightWasAsked();

// Fixes the program's "now" for its lifetime, so the tests do not depend on the day they run.
struct ScopedClock {
    explicit ScopedClock(kt::Time64 now);
    ~ScopedClock();
    FixedClock clock;
};

// Writes "ExerciseData.edb" with `records` into `dataFolder` the way the program saves it.
void WriteDatabase(const std::filesystem::path& dataFolder, const std::vector<kt::CEventRecord>& records);

// Shows the window and waits until it is active, so keys reach the focus widget and shortcuts.
bool ShowActive(QWidget* window);

// Keys sent to whatever widget has the focus when each key arrives (QApplication::focusWidget).
void TypeKeys(const QString& text);
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Types `text` into entry cell (row 1..5, column) as a user does: each key goes to whatever has
// the focus (the grid, then the editor the first key opened); Qt::Key_unknown as `endKey` leaves
// the editor open.
void TypeIntoCell(kt::ui::CGridCtrl* grid, int row, int column, const QString& text, Qt::Key endKey = Qt::Key_Return);

// What entry cell (row 1..5, column) shows, and what its drop-down offers.
QString Cell(kt::ui::CGridCtrl* grid, int row, int column);
QStringList CellOptions(kt::ui::CGridCtrl* grid, int row, int column);

// Types activity, description and duration into row 1 and presses Ctrl+R.
void CaptureOneRow(kt::ui::CGridCtrl* grid, const char* type, const char* description, const char* duration);

inline std::string Text(const QString& s) { return s.toStdString(); }

// A Wednesday noon: no weekly note is written into captured records, and "today" is fixed.
inline Time64 Wednesday() { return MakeLocalTime(2016, 1, 13, 12, 0, 0); }

inline QPushButton* OkButton(QWidget* dialog) { return dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }

// Records, for its lifetime, what would have been opened with the desktop's handlers.
struct DesktopOpens {
    DesktopOpens() {
        kt::ui::SetDesktopOpenerForTesting([this](const QUrl& url) { return opened.push_back(Text(url.toString())), true; });
    }
    ~DesktopOpens() { kt::ui::SetDesktopOpenerForTesting(nullptr); }
    std::vector<std::string> opened;
};

// The program in its own home at a fixed "now".
struct Program {
    explicit Program(Time64 now = Wednesday()) : clock(now) {}
    // Writes `records` as the database (none: no file), starts and shows the main window.
    bool Start(const std::vector<CEventRecord>& records = {}, std::optional<std::string> weight = std::string("80")) {
        if (!records.empty()) WriteDatabase(home.DataFolder(), records);
        frame = StartMainFrame(std::move(weight));
        return frame && ShowActive(frame.get());
    }
    kt::ui::CDataView* View() const { return frame->DataView(); }
    kt::ui::CGridCtrl* Grid() const { return frame->DataView()->GridCtrl(); }
    template <typename Widget>
    Widget* Bar(const char* name) const {
        return Child<Widget>(frame->ToolBar(), name);
    }
    UiHome home;
    ScopedClock clock;
    App frame;
};

}  // namespace kt::test

namespace kt {
using test::Text;
}  // namespace kt
