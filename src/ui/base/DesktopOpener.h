#pragma once
// Opening files, folders, web pages and mail links with the desktop's own handlers. Nothing is
// ever run through a shell. Tests install a recorder instead.

#include <QUrl>
#include <functional>

namespace kt::ui {

// True when the desktop accepted the request.
bool OpenWithDesktop(const QUrl& url);
// nullptr (an empty function) restores the desktop.
void SetDesktopOpenerForTesting(std::function<bool(const QUrl&)> opener);

}  // namespace kt::ui
