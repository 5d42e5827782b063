#pragma once
// The rows of the option-lists editor: a one-column table model over core's editing model. The
// dialog calls the edits here so the view hears about every change; colours come from core.

#include <QAbstractTableModel>
#include <optional>

#include "core/activities/OptionListEditor.h"

namespace kt {
struct Settings;
}

namespace kt::ui {

class COptionListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit COptionListModel(kt::OptionListEditor editor, QObject* parent = nullptr);

    const kt::OptionListEditor& Editor() const { return m_editor; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A finished label edit. An activity type that no longer names a table position keeps its
    // text and is reported through renameRefused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The edits of the selected row; each returns the row to select afterwards (see core).
    bool Remove(int row);
    std::optional<int> Add(const QString& text);
    std::optional<int> MoveUp(int row);
    std::optional<int> MoveDown(int row);
    std::optional<int> MoveToTop(int row);
    std::optional<int> MoveToBottom(int row);
    // The apply step into the settings' list (false for the activity types) and the list switch.
    bool ApplyTo(kt::Settings& settings);
    void SwitchList(std::vector<std::string> otherItems);

signals:
    // Any edit that changed the list (the status line and "Save Changes" follow it).
    void edited();
    void renameRefused();

private:
    template <typename Edit>
    auto Change(Edit edit);

    kt::OptionListEditor m_editor;
};

}  // namespace kt::ui
