// The update tests run the component's event loops and show the update dialog offscreen.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Loopback only: no proxy from the environment may take part.
    qunsetenv("http_proxy");
    qunsetenv("https_proxy");
    qunsetenv("HTTP_PROXY");
    qunsetenv("HTTPS_PROXY");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
