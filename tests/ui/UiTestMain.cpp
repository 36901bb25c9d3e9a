// Qt widget tests run headless on the offscreen platform, with point and comma separators.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

#include "core/AppPaths.h"
#include "core/NumberFormat.h"
#include "ui/UpdateCommands.h"

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetExecutableDir(PELMARK_BIN_DIR);
    SetNumberSeparators('.', ',');
    // The automatic update check never opens a real dialog or reaches the network here.
    SetUpdateLauncher([](QWidget*, bool, const QString&, bool, const TUpdateDialogHost&) {});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
