#pragma once

#include "platform/wayland/Compositor.h"

class QApplication;

// Names the application, sets its icon, style and fonts, and chooses the
// compositor's rules (before the first window), which it returns. The
// program and every test start with this, so that they see the same windows.
Compositor setUpApplication(QApplication &app);
