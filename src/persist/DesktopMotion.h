// The desktop's own wish for motion, the default of the animation switch
// until the player sets it: GNOME's enable-animations, KDE's animation
// speed (a factor of 0 is no animation at all).
#pragma once

#include <QString>
#include <optional>

#include "persist/Settings.h"

// What the desktop said: the answer of `gsettings get
// org.gnome.desktop.interface enable-animations` (empty when there was
// none) and the text of KDE's kdeglobals (empty when there is none).  GNOME
// is asked first; nothing readable gives no wish.
std::optional<TMotion> MotionFromDesktop(const QString &gnomeAnswer, const QString &kdeGlobals);

// Asks this desktop; full motion when it says nothing.
TMotion DesktopMotion();
