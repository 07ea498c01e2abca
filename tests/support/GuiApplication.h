// One QGuiApplication for a whole test program that paints text: fonts need it, and Qt allows
// only one per process. Offscreen unless the environment names a platform.
#pragma once

#include <QGuiApplication>

namespace kirvo::testing {

inline QGuiApplication& GuiApplication()
{
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
    return application;
}

}  // namespace kirvo::testing
