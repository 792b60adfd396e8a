#pragma once

#include <QApplication>

// One QApplication for the whole test program, made on first use so that
// GoogleTest's own main can stay.
inline QApplication& testApplication()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "spreadsheet_widgets_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals are gone before statics.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
