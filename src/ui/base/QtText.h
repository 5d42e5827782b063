#pragma once
// Core texts are UTF-8 std::string; Qt texts are QString. These are the only conversions.

#include <QColor>
#include <QString>
#include <string>

#include "core/base/StyledColor.h"

namespace kt::ui {

inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QString ToQ(const char* s) { return QString::fromUtf8(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }
inline QColor ToQColor(kt::Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace kt::ui
