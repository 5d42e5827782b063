#pragma once

#include <QMainWindow>

namespace kt::ui {

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame();
};

}  // namespace kt::ui
