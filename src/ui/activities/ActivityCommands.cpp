#include "ui/activities/ActivityCommands.h"

#include <QPointer>
#include <QWidget>

#include "core/activities/ActivityList.h"
#include "core/activities/OptionListEditor.h"
#include "core/app/Commands.h"
#include "core/app/Session.h"
#include "core/entry/OptionLists.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsPersistence.h"
#include "ui/activities/EditComboOptionsDlg.h"
#include "ui/activities/ShowDefaultActivities.h"

namespace kt::ui {
namespace {

// The descriptions or locations editor: every Apply shows the list in the drop-downs at once; OK
// stores the lists with the other user data.
void EditOptionList(kt::Session& session, QWidget* parent, kt::OptionListMode list, const OptionListChanged& listChanged) {
    CEditComboOptionsDlg dlg(session.settings, kt::OptionListEditor(list, kt::OptionListOf(session.settings, list)), session.prompter,
                             parent);
    QObject::connect(&dlg, &CEditComboOptionsDlg::listApplied, &dlg, [&listChanged](kt::OptionListMode applied) { listChanged(applied); });
    if (dlg.exec() == QDialog::Accepted) kt::SaveUserData(session.dataFolder, session.settings);
}

// The order of the activity types in the activity drop-down, stored at once.
void EditActivityOrder(kt::Session& session, QWidget* parent, const OptionListChanged& listChanged) {
    CEditComboOptionsDlg dlg(session.settings,
                             kt::OptionListEditor::ForActivityTypes(session.activities, session.settings.m_arSelectedActivities),
                             session.prompter, parent);
    if (dlg.exec() != QDialog::Accepted) return;
    kt::ApplyActivityOrder(session.settings, dlg.Editor());
    listChanged(kt::OptionListMode::ActivityTypes);
    kt::SaveSelectedActivities(*session.store, session.settings);
}

}  // namespace

void RegisterActivityCommands(kt::Session& session, QWidget* dialogParent, OptionListChanged listChanged) {
    using namespace kt::cmd;
    kt::Session* s = &session;
    const QPointer<QWidget> parent(dialogParent);
    session.commands.Register(kResetActivities, [s] { kt::ResetSelectedActivities(s->settings); });
    session.commands.Register(kShowDefaultActivities, [s, parent] {
        CShowDefaultActivities dlg(s->activities, parent);
        dlg.exec();
    });
    session.commands.Register(kActivityHtml, [s] { kt::ExportActivityListHtml(s->activities, s->dataFolder); });
    const auto editList = [s, parent, listChanged](kt::OptionListMode list) {
        return [s, parent, listChanged, list] { EditOptionList(*s, parent, list, listChanged); };
    };
    session.commands.Register(kEditDescriptions, editList(kt::OptionListMode::Descriptions));
    session.commands.Register(kEditDescriptionsKey, editList(kt::OptionListMode::Descriptions));
    session.commands.Register(kEditLocations, editList(kt::OptionListMode::Locations));
    session.commands.Register(kEditActivityOrder, [s, parent, listChanged] { EditActivityOrder(*s, parent, listChanged); });
}

}  // namespace kt::ui
