#include <QApplication>

#include <gtest/gtest.h>

// Window tests need a QApplication; listing the tests (CTest's discovery) needs none, and no display.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) {
        return RUN_ALL_TESTS();
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
