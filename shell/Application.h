#pragma once

class QApplication;

// Chooses what the platform may choose only before the application is made.
void setUpPlatform();

// Names the application, sets its icon, style and fonts. The program and every
// test start with this, so that they see the same windows.
void setUpApplication(QApplication &app);
