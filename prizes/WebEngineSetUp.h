#pragma once

#include <QString>

// Makes ready what Qt WebEngine expects to find when its library is loaded:
// its sandbox kept unless the process runs as root (`asRoot`), the OpenGL context its views share with,
// and quiet start-up reports. Called once, right before the browser module
// is loaded.
void prepareForWebEngine(bool asRoot);

// The engine's flags (QTWEBENGINE_CHROMIUM_FLAGS, split and unquoted as the
// engine reads them) without those that take a sandbox away: --no-sandbox,
// --disable-…-sandbox and --no-…-sandbox, --single-process and
// --in-process-gpu, with one dash or two, with a value or none.
QString withoutSandboxOff(const QString &flags);
