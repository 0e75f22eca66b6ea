#pragma once

#include <QByteArray>

// What the game chooses of the platform for itself, and what it gives back.
// The choices are logged under the category lvtriv.session, silent unless
// asked for (QT_LOGGING_RULES="lvtriv.session.info=true").
namespace session {

// Before the application object is made. Qt's generic platform theme alone,
// on every desktop: the game draws with Fusion and a palette of its own, so
// a desktop's theme (GTK 3's on GNOME, Xfce, Cinnamon and their kin) would
// only cost memory and start-up, and GTK's accessibility bridge would put a
// second, empty application on the accessibility bus.
void chooseBeforeApplication();

// Sets the environment variable `name` for the game alone, until
// giveBackEnvironment(), for what Qt reads as the first window is made;
// where the session set it, the player's own setting stands.
void setForTheGame(const char *name, const QByteArray &value);

// Once the first window has been made, when Qt has read what it reads of the
// environment: the environment as the session gave it, unchanged, for the
// programs the game starts (System Information).
void giveBackEnvironment();

} // namespace session
