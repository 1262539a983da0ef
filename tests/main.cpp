#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    // Widgets run on the offscreen platform unless the caller chose another.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("Lumenfold");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
