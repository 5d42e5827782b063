#pragma once
// The data entry view: the lower pane of the main window.

#include <QWidget>

class QLabel;

namespace kt::ui {

class CMainFrame;

class CDataView : public QWidget {
    Q_OBJECT
public:
    CDataView(CMainFrame* frame, QWidget* parent = nullptr);

    void OnInitialUpdate();
    void LayoutControls();
    void SetPromptText(const QString& text);
    QString PromptText() const;

private:
    CMainFrame* m_frame;
    QLabel* m_prompt = nullptr;
};

}  // namespace kt::ui
