#pragma once

#include <QByteArray>
#include <QProcessEnvironment>

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

// Sets the environment variable `name` for the game alone, for what Qt
// reads of it; where the session set it, the player's own setting stands.
void setForTheGame(const char *name, const QByteArray &value);

// The environment as the session gave it, read before the game changed any
// of it: what the programs the game starts get, whatever the game set for
// itself since (the web engine's set-up, for one).
const QProcessEnvironment &environment();

} // namespace session
