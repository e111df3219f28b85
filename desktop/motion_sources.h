#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// Where a desktop keeps its "less motion" setting. Each reader answers true
// (less motion), false (motion welcome) or nothing (no such source here).
namespace desktop::motion {

// The settings portal's answer for one key (org.freedesktop.appearance
// reduced-motion, org.gnome.desktop.interface enable-animations).
std::optional<bool> fromPortalValue(const QString& key, const QVariant& value);
// An XSETTINGS _XSETTINGS_SETTINGS property: its Gtk/EnableAnimations.
std::optional<bool> fromXSettings(const QByteArray& property);
// A kdeglobals file: AnimationDurationFactor in its [KDE] group.
std::optional<bool> fromKdeGlobals(const QByteArray& text);
// One argument: --reduce-motion (or =on), --reduce-motion=off; nothing for any other.
std::optional<bool> fromArgument(const QString& argument);
// The command line: the last of those options counts.
std::optional<bool> fromArguments(const QStringList& arguments);

// The local sources, read where the platform has them. None waits on
// another program but the display server: kdeglobals is read only from
// absolute XDG folders and only as a regular file of at most 1 MiB.
std::optional<bool> readXSettings();
std::optional<bool> readKdeGlobals();
std::optional<bool> readWindowsAnimations();

}  // namespace desktop::motion
