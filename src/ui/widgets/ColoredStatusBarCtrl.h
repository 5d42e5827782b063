#pragma once
// The status bar: pane 0 shows command prompts ("Ready" when idle); panes 1 and 2 show a stored
// text in a stored colour, drawn by the program without a background of their own. The panes
// share the bar's width by what their texts need (StatusWidths), and a text too long for its pane
// ends in "..." with all of it in the tool tip.

#include <QColor>
#include <QStatusBar>
#include <array>
#include <optional>

class QLabel;
class QProgressBar;

namespace kt::ui {

class ColoredPane;

class CColoredStatusBarCtrl : public QStatusBar {
    Q_OBJECT
public:
    explicit CColoredStatusBarCtrl(QWidget* parent = nullptr);

    // Stores text and colour of pane 1 or 2 and repaints the bar at once.
    void SetPaneText(int index, const QString& text, const QColor& color);
    QString PaneText(int index) const;
    QColor PaneColor(int index) const;
    // Whether pane 1 or 2 shows its whole text, without "...".
    bool ShowsWholeText(int index) const;

    // Pane 0: the prompt of the command under the mouse, or "Ready".
    void SetPrompt(const QString& prompt);
    QString Prompt() const;

    // A bar right of the panes with `text` and how far a long task has come (nullopt: not known,
    // the bar only moves); `text` empty hides it.
    void SetProgress(const QString& text, std::optional<int> percent);
    QProgressBar* ProgressBar() const { return m_progress; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitPanes();

    QLabel* m_prompt = nullptr;
    QProgressBar* m_progress = nullptr;
    std::array<ColoredPane*, 3> m_panes{};
};

}  // namespace kt::ui
