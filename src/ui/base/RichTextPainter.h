#pragma once
// Paints core's styled text (UTF-8 text, byte-offset spans, paragraph alignment, background)
// into a read-only rich-text pane.

#include <QTextEdit>

#include "core/base/StyledText.h"

namespace kt::ui {

void PaintStyledText(QTextEdit* pane, const kt::StyledText& styled);

}  // namespace kt::ui
