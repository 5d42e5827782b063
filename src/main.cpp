#include "ui/app/KT2App.h"

int main(int argc, char** argv) {
    kt::ui::CKT2App app(argc, argv);
    if (!app.InitInstance()) return app.ExitCode();
    return app.exec();
}
