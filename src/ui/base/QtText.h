#pragma once
// Core texts are UTF-8 std::string; Qt texts are QString. These are the only conversions.

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "core/base/StyledColor.h"

namespace kt::ui {

inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QString ToQ(const char* s) { return QString::fromUtf8(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }
inline QColor ToQColor(kt::Rgb c) { return QColor(c.r, c.g, c.b); }

// A font as the program's texts name it: family, size in points, bold, italic.
inline QFont MakeFont(const char* family, double points, bool bold, bool italic = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

}  // namespace kt::ui
