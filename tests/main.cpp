// Test entry point: a QGuiApplication on the offscreen platform, so that images, fonts and text documents
// work without a display.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Whatever a test leaves in the user's state (recovery copies) goes to a folder of its own.
    const QTemporaryDir estado;
    qputenv("XDG_STATE_HOME", estado.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
