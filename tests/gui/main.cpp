// Entry point of the view tests: a widgets application on the offscreen platform, so that dialogs can be
// shown, typed into and clicked headless.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Whatever a test leaves in the user's state (recovery copies) goes to a folder of its own.
    const QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The windows remember settings; a test run must not touch the user's.
    QTemporaryDir ajustes;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ajustes.path());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
