// Qt widget tests run headless on the offscreen platform, with point and comma separators.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "core/AppPaths.h"
#include "core/NumberFormat.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetExecutableDir(PELMARK_BIN_DIR);
    SetNumberSeparators('.', ',');
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
