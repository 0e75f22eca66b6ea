#pragma once

#include "lvtriv/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

// Where the program's modules (the browser's, the Wayland one) are looked
// for: beside the program as built, else where the package installs them.
inline QStringList moduleFolders()
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    return {programDir.absoluteFilePath("../plugins"),
            programDir.absoluteFilePath(QStringLiteral("../%1/lvtriv").arg(lvtriv::kInstallLibDir))};
}
