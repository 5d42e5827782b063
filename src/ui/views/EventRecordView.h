#pragma once
// The database editor: the upper pane of the main window, hidden at start.

#include <QTreeWidget>

namespace kt {
struct Session;
}

namespace kt::ui {

class CEventRecordView : public QTreeWidget {
    Q_OBJECT
public:
    explicit CEventRecordView(kt::Session& session, QWidget* parent = nullptr);

    void OnInitialUpdate();
    // 0 = records mode, 1 = activities mode.
    int EditorMode() const { return m_nMode; }
    void SetEditorMode(int mode) { m_nMode = mode; }

private:
    kt::Session& m_session;
    int m_nMode = 0;
};

}  // namespace kt::ui
