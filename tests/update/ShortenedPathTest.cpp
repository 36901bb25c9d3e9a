// Shortening of addresses and paths for the dialog's address line.
#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "EventLog.h"  // prints texts in failures
#include "update/ShortenedPath.h"

namespace {

TEST(ShortenedPath, LeadingFoldersGiveWayFirst)
{
    const QFontMetrics metrics{QFont()};
    const struct {
        QString Path;
        QString Fitting;  // the width is that of this text
        QString Expected;
    } cases[] = {
        {"https://www.korvane.com/updates/pm/pm.html", "https://www.korvane.com/updates/pm/pm.html",
         "https://www.korvane.com/updates/pm/pm.html"},
        {"https://www.korvane.com/a/b/c/d/pm.html", "https://www.korvane.com/.../d/pm.html",
         "https://www.korvane.com/.../d/pm.html"},
        {"C:\\Users\\eng\\AppData\\Roaming\\Pelmark\\Update\\setup.exe", "C:\\...\\Update\\setup.exe",
         "C:\\...\\Update\\setup.exe"},
        {"/home/eng/.local/share/Pelmark/Update/setup.sh", "/.../Update/setup.sh", "/.../Update/setup.sh"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        EXPECT_EQ(ShortenedPath(c.Path, metrics, metrics.horizontalAdvance(c.Fitting)), c.Expected);
    }
}

TEST(ShortenedPath, TooNarrowForTheFileNameCutsTheLeftEnd)
{
    const QFontMetrics metrics{QFont()};
    const QString path = "/home/eng/.local/share/Pelmark/Update/pelmark-setup-3.1.0.exe";
    const int width = metrics.horizontalAdvance("setup-3.1.0.exe");
    const QString shown = ShortenedPath(path, metrics, width);
    EXPECT_LE(metrics.horizontalAdvance(shown), width);
    EXPECT_TRUE(shown.endsWith("3.1.0.exe")) << shown.toStdString();
}

}  // namespace
