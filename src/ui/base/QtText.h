#pragma once
// Core texts are UTF-8 std::string; Qt texts are QString. These are the only conversions, with
// those of core's colours and fonts.

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

#include "core/base/FontStyle.h"
#include "core/base/StyledColor.h"

namespace kt::ui {

inline QString ToQ(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline QString ToQ(const char* s) { return QString::fromUtf8(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }
inline QColor ToQColor(kt::Rgb c) { return QColor(c.r, c.g, c.b); }

// A font of `style`; an empty family keeps the family of `base` (the widget's own).
inline QFont ToQFont(const kt::FontStyle& style, const QFont& base = QFont()) {
    QFont f = base;
    if (style.family[0] != '\0') f.setFamily(QString::fromUtf8(style.family));
    if (style.points > 0) f.setPointSizeF(style.points);
    f.setBold(style.bold);
    f.setItalic(style.italic);
    return f;
}

// The same from its parts: family, size in points, bold, italic.
inline QFont MakeFont(const char* family, double points, bool bold, bool italic = false) {
    return ToQFont(kt::FontStyle{family, points, bold, italic});
}

}  // namespace kt::ui
