#include "ui/app/MainFrame.h"

namespace kt::ui {

CMainFrame::CMainFrame() { resize(1200, 800); }

}  // namespace kt::ui
