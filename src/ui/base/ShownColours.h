#pragma once
// The program's fixed colours as the application's palette shows them: as given on a light
// window, as their dark counterparts (core/base/ColourScheme.h) on a dark one. Everything that
// paints a fixed colour asks here, at the moment it paints or sets it, and follows a change of the
// application palette (a desktop switching to dark mode) without a restart.

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QVariant>
#include <functional>

#include "core/base/ColourScheme.h"
#include "core/base/StyledColor.h"
#include "ui/base/QtText.h"

class QWidget;

namespace kt::ui {

QColor Shown(const QColor& colour, kt::ColourUse use);
inline QColor ShownText(const QColor& colour) { return Shown(colour, kt::ColourUse::Text); }
inline QColor ShownFill(const QColor& colour) { return Shown(colour, kt::ColourUse::Fill); }
inline QColor ShownLine(const QColor& colour) { return Shown(colour, kt::ColourUse::Line); }

// What a list model answers for the colour roles of a cell drawn in `c`, as shown; nothing for
// other roles.
inline QVariant ColourRole(const kt::TextColours& c, int role) {
    if (role == Qt::ForegroundRole) return ShownText(ToQColor(c.text));
    if (role == Qt::BackgroundRole) return ShownFill(ToQColor(c.background));
    return {};
}

// Runs `apply` now and again whenever the application palette's window colour changes, for as
// long as `widget` lives. A later call for the same widget and `key` replaces the earlier one.
void FollowPalette(QWidget* widget, const char* key, std::function<void()> apply);

// Sets `role` of `widget`'s palette to what `colour` is shown as, and keeps it so.
void SetShownColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour, kt::ColourUse use);

// The Fusion style with a dark palette (`kinetrax --dark`).
void UseDarkPalette(QApplication& app);

}  // namespace kt::ui
