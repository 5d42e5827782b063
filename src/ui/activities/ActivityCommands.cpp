#include "ui/activities/ActivityCommands.h"

#include <QPointer>
#include <QWidget>

#include "core/activities/ActivityList.h"
#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/settings/Settings.h"
#include "ui/activities/ShowDefaultActivities.h"

namespace kt::ui {

void RegisterActivityCommands(kt::Session& session, QWidget* dialogParent) {
    using namespace kt::cmd;
    kt::Session* s = &session;
    session.commands.Register(kResetActivities, [s] { kt::ResetSelectedActivities(s->settings); });
    session.commands.Register(kShowDefaultActivities, [s, parent = QPointer<QWidget>(dialogParent)] {
        CShowDefaultActivities dlg(s->activities, parent);
        dlg.exec();
    });
    session.commands.Register(kActivityHtml, [s] { kt::ExportActivityListHtml(s->activities, s->dataFolder); });
}

}  // namespace kt::ui
