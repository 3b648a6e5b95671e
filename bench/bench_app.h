#pragma once

// One offscreen application for a benchmark program of the windows, touching no user file.

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <string>

namespace tarnlink::bench {

// One application for the program: offscreen, in test mode, with a temporary TARNLINK_HOME.
inline QApplication& OffscreenApplication(const char* programName)
{
    static int argc = 1;
    static std::string name = programName;
    static char* argv[] = {name.data(), nullptr};
    static QTemporaryDir home;
    static QApplication* instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QStandardPaths::setTestModeEnabled(true);
        qputenv("TARNLINK_HOME", home.path().toUtf8());
        return new QApplication(argc, argv);
    }();
    return *instance;
}

} // namespace tarnlink::bench
