#pragma once
// What most ui scenarios need: the widgets they drive, and the program started on a journal in a
// private home with "now" fixed.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "core/app/Commands.h"
#include "core/base/Format.h"
#include "core/base/LocalTime.h"
#include "ui/app/KTToolBar.h"
#include "ui/app/MainFrame.h"
#include "ui/base/DesktopOpener.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/GridCtrl.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt::test {

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
