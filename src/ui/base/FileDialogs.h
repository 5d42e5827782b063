#pragma once
// The program's file dialogs: where exports are saved and imports read from. An empty result means
// the user cancelled.

#include <QString>

class QWidget;

namespace kt::ui {

// Asks for a file to write. `filter` in Qt's form ("Name (*.x);;All Files (*.*)"); `suffix` is
// added to a name typed without one; `initialName` is shown in the name field.
QString AskSaveFileName(QWidget* parent, const QString& filter, const QString& suffix, const QString& initialName);
// Asks for an existing file to read.
QString AskOpenFileName(QWidget* parent, const QString& filter);

}  // namespace kt::ui
