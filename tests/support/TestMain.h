#pragma once

#include "shell/Application.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN with the program's own application set-up.
#define LVTRIV_TEST_MAIN(TestClass)                                                                                    \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        setUpApplication(app);                                                                                         \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
