#include <QGuiApplication>
#include <gtest/gtest.h>

// Every unit test program runs with an application object, as the program does: the database
// drivers and picture formats are plugins, and reports need fonts.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
