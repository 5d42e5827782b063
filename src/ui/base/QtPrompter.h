#pragma once
// Message boxes for the core rules. Tests replace the process-wide prompter to record the texts.

#include <QPointer>
#include <QWidget>

#include "core/base/Prompter.h"

namespace kt::ui {

class QtPrompter : public kt::Prompter {
public:
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool AskYesNoDefaultNo(const std::string& text) override;
    kt::Answer AskYesNoCancel(const std::string& text) override;
    void SetParent(QWidget* parent) { m_parent = parent; }

private:
    QPointer<QWidget> m_parent;
};

// The prompter every window uses; a test may install its own (nullptr restores the default).
kt::Prompter& UiPrompter();
void SetUiPrompterForTesting(kt::Prompter* prompter);
void SetUiPrompterParent(QWidget* parent);

}  // namespace kt::ui
