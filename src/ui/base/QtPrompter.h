#pragma once
// Message boxes for the core rules, over the window given as parent (none: centred on the screen).

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

}  // namespace kt::ui
