#pragma once

#include <QGuiApplication>

namespace ravemo::test {

// The one QGuiApplication of a test program that paints (fonts need one), offscreen unless a
// platform is set. Never destroyed: at exit Qt's own globals may already be gone.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ravemo_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

}  // namespace ravemo::test
