// The time-check tests need a running application object for sockets, timers and windows.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
