#pragma once

class QApplication;

// Names the application, sets its icon, style and fonts, and follows the
// compositor's rules (before the first window). The program and every
// test start with this, so that they see the same windows.
void setUpApplication(QApplication &app);
