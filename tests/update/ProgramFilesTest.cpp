#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "update/ProgramFiles.h"
#include "update/UpdateEnvironment.h"

namespace {

struct TFile {
    const char* Name;
    bool Executable = false;
};

TEST(ProgramFiles, FirstProgramByName)
{
    const struct {
        const char* Why;
        std::vector<TFile> Files;
        const char* Found;
    } cases[] = {
        {"installer", {{"readme.txt"}, {"PelmarkSetup.exe"}}, "PelmarkSetup.exe"},
        {"suffix in any case", {{"SETUP.EXE"}}, "SETUP.EXE"},
        {"first by name", {{"b.sh"}, {"a.AppImage"}, {"readme.txt"}}, "a.AppImage"},
        {"executable bit", {{"zz.sh"}, {"install", true}}, "install"},
        {"no program", {{"readme.txt"}, {"data.bin"}}, ""},
        {"empty folder", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        QTemporaryDir folder;
        for (const TFile& f : c.Files) {
            QFile file(folder.filePath(f.Name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.close();
            if (f.Executable)
                file.setPermissions(file.permissions() | QFile::ExeOwner);
        }
        // A folder is never the program, whatever its name.
        QDir(folder.path()).mkdir("0.exe");
        const QString found = FindFirstProgramFile(folder.path());
        EXPECT_EQ(found.isEmpty() ? QString() : QFileInfo(found).fileName(), QString(c.Found));
    }
}

TEST(ProgramFiles, ShellScriptsStartThroughTheShell)
{
    QTemporaryDir folder;
    const QString script = folder.filePath("setup.sh");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const TProgramStart start = ProgramStartFor(script, {"/S"});
    EXPECT_EQ(start.Program, "/bin/sh");
    EXPECT_EQ(start.Arguments, QStringList({script, "/S"}));
}

TEST(ProgramFiles, PlatformCannotStartAMissingFile)
{
    QTemporaryDir folder;
    EXPECT_FALSE(StartWithPlatform(folder.filePath("missing.sh"), {}, false));
    EXPECT_FALSE(StartWithPlatform({}, {}, false));
}

}  // namespace
