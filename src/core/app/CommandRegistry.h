#pragma once
// Command numbers to handlers. Each subsystem registers the handlers of its own commands when its
// views are built; the main window turns every menu item, accelerator and toolbar button into a
// call of Dispatch, and shows a command without a handler disabled. No subsystem needs to know
// another's commands, and none of them needs the main window.

#include <functional>
#include <map>

namespace kt {

class CommandRegistry {
public:
    using Handler = std::function<void()>;

    // A later registration of the same command replaces the earlier one.
    void Register(int command, Handler handler) { m_handlers[command] = std::move(handler); }
    bool Has(int command) const { return m_handlers.count(command) > 0; }
    // Runs the command's handler; false when it has none.
    bool Dispatch(int command) const {
        const auto it = m_handlers.find(command);
        if (it == m_handlers.end() || !it->second) return false;
        it->second();
        return true;
    }

private:
    std::map<int, Handler> m_handlers;
};

}  // namespace kt
