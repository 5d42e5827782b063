#include "ui/base/DesktopOpener.h"

#include <QDesktopServices>

namespace kt::ui {
namespace {
std::function<bool(const QUrl&)>& Override() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}
}  // namespace

bool OpenWithDesktop(const QUrl& url) { return Override() ? Override()(url) : QDesktopServices::openUrl(url); }
void SetDesktopOpenerForTesting(std::function<bool(const QUrl&)> opener) { Override() = std::move(opener); }

}  // namespace kt::ui
