// GoogleTest with a QApplication for the desktop application's tests (run offscreen).

#include "gui/app/Application.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Without a display (test discovery at build time, CI) the windows are drawn offscreen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit's own settings (the file dialog's history) go to a scratch place, not the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    TApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
