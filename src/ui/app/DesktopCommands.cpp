#include "ui/app/DesktopCommands.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

#include "core/app/Commands.h"
#include "core/app/Desktop.h"
#include "core/app/Session.h"
#include "core/update/UpdateSite.h"
#include "ui/app/KbShortcutsDlg.h"
#include "ui/base/DesktopOpener.h"
#include "ui/base/QtText.h"

namespace kt::ui {

bool RunCalculator(kt::Session& session) {
    for (const std::string& name : kt::CalculatorPrograms()) {
        // The program itself, found in PATH; no shell ever reads a command line.
        const QString program = QStandardPaths::findExecutable(ToQ(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {})) return true;
    }
    session.prompter.Message(kt::CalculatorFailureText(kt::kStartFileNotFound));
    return false;
}

void OpenHelp() {
    const QFileInfo help(QDir::current(), ToQ(kt::kHelpFileName));
    if (help.isFile()) OpenWithDesktop(QUrl::fromLocalFile(help.absoluteFilePath()));
}

void OpenWebSite() { OpenWithDesktop(QUrl(ToQ(kt::WebSiteUrl(kt::ConfiguredUpdateSite())))); }

void RegisterDesktopCommands(kt::Session& session, QWidget* dialogParent) {
    using namespace kt::cmd;
    kt::Session* s = &session;
    const QPointer<QWidget> parent(dialogParent);
    session.commands.Register(kCalculator, [s] { RunCalculator(*s); });
    session.commands.Register(kHelp, [] { OpenHelp(); });
    session.commands.Register(kWebSite, [] { OpenWebSite(); });
    session.commands.Register(kKeyboardShortcuts, [parent] {
        CKbShortcutsDlg dlg(parent);
        dlg.exec();
    });
}

}  // namespace kt::ui
