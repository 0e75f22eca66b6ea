#pragma once

class QApplication;

// Names the application, sets its icon, style and fonts. The program and every
// test start with this, so that they see the same windows.
void setUpApplication(QApplication &app);
