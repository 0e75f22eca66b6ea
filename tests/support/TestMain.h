#pragma once

#include "shell/Application.h"

#include <QApplication>
#include <QPalette>
#include <QTest>

// The palette a desktop with a dark colour scheme hands every program before
// the program's own set-up runs (LVTRIV_TEST_DARK_DESKTOP set).
inline QPalette darkDesktopPalette()
{
    QPalette dark(Qt::white, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    return dark;
}

// The compositor the test's application set-up chose, as the program's would.
inline Compositor sessionCompositor;

// QTEST_MAIN with the program's own application set-up.
#define LVTRIV_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        if (qEnvironmentVariableIsSet("LVTRIV_TEST_DARK_DESKTOP"))                                                     \
            QApplication::setPalette(darkDesktopPalette());                                                            \
        sessionCompositor = setUpApplication(app);                                                                     \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
