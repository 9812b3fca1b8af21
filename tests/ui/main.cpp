#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    // Test discovery runs this binary at build time, outside CTest's environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
