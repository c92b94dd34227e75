#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    if (qEnvironmentVariableIsEmpty("QUILLMARK_SETTINGS")) qputenv("QUILLMARK_SETTINGS", (dir.path() + "/settings.ini").toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
