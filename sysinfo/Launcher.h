#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <memory>

// Looks for files and starts other programs. The About box starts System
// Information through here, so that tests can see what would be started.
class Launcher
{
public:
    virtual ~Launcher() = default;

    // True when a file of this full path exists.
    virtual bool fileExists(const QString &path) = 0;

    // Starts the program at `path` in a normal window and returns at once,
    // without waiting for it; false when it cannot be started.
    virtual bool start(const QString &path) = 0;
};

// Starts programs with `environment`: the session's, not the game's own.
std::unique_ptr<Launcher> makeSystemLauncher(QProcessEnvironment environment);
