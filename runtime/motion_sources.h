#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// Where a desktop keeps its "less motion" setting. Each reader answers true
// (less motion), false (motion welcome) or nothing (no such source here).
namespace runtime::motion {

// The settings portal's answer for one key (org.freedesktop.appearance
// reduced-motion, org.gnome.desktop.interface enable-animations).
std::optional<bool> fromPortalValue(const QString& key, const QVariant& value);
// An XSETTINGS _XSETTINGS_SETTINGS property: its Gtk/EnableAnimations.
std::optional<bool> fromXSettings(const QByteArray& property);
// A kdeglobals file: AnimationDurationFactor in its [KDE] group.
std::optional<bool> fromKdeGlobals(const QByteArray& text);
// The command line: --reduce-motion, --reduce-motion=off (the last one counts).
std::optional<bool> fromArguments(const QStringList& arguments);

// The live sources; each asks only where the platform has it, and never for longer than 200 ms.
std::optional<bool> readPortal();
std::optional<bool> readXSettings();
std::optional<bool> readKdeGlobals();
std::optional<bool> readWindowsAnimations();

}  // namespace runtime::motion
