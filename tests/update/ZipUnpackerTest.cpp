#include <sys/stat.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "TestZip.h"
#include "update/ZipUnpacker.h"

namespace {

class ZipUnpacker : public ::testing::Test {
  protected:
    // <root>/package.zip is unpacked into <root>/out; nothing may appear elsewhere under <root>.
    QString WriteArchive(const std::vector<TZipEntry>& entries)
    {
        const QByteArray bytes = MakeZip(entries);
        EXPECT_FALSE(bytes.isEmpty());
        QFile file(root.filePath("package.zip"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString Out() const { return root.filePath("out"); }
    QStringList Everything(const QString& folder) const
    {
        QStringList names;
        for (const QFileInfo& info :
             QDir(folder).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
            names << info.fileName();
        return names;
    }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(Out())); }

    QTemporaryDir root;
};

TEST(ZipEntryNames, SafeOnlyInsideTheFolder)
{
    const struct {
        const char* Name;
        bool Safe;
    } cases[] = {
        {"setup.exe", true},
        {"docs/readme.txt", true},
        {"docs/", true},
        {"./setup.exe", true},
        {"a..b/c..", true},
        {"../setup.exe", false},
        {"docs/../../setup.exe", false},
        {"docs/..", false},
        {"/etc/passwd", false},
        {"docs\\setup.exe", false},
        {"C:setup.exe", false},
        {"c:/setup.exe", false},
        {"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(IsSafeEntryName(c.Name), c.Safe);
    }
}

TEST_F(ZipUnpacker, WritesEveryEntryAndKeepsTheExecutableBit)
{
    const QString zip = WriteArchive({
        {"docs/", {}, 0, true},
        {"docs/readme.txt", "read me", S_IFREG | 0644},
        {"setup.sh", "#!/bin/sh\n", S_IFREG | 0755},
        {"plain.dat", "xyz"},
    });
    const TUnpackResult result = UnpackZip(zip, Out());
    ASSERT_TRUE(result.Ok) << result.ErrorText.toStdString();
    EXPECT_EQ(Everything(Out()), QStringList({"docs", "plain.dat", "setup.sh"}));
    QFile readme(QDir(Out()).filePath("docs/readme.txt"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    EXPECT_EQ(readme.readAll(), "read me");
    EXPECT_TRUE(QFileInfo(QDir(Out()).filePath("setup.sh")).isExecutable());
    EXPECT_FALSE(QFileInfo(QDir(Out()).filePath("docs/readme.txt")).isExecutable());
}

TEST_F(ZipUnpacker, RefusesTheWholeArchiveForOneEscapingEntry)
{
    const struct {
        const char* Why;
        TZipEntry Bad;
    } cases[] = {
        {"parent folder", {"../evil.sh", "x"}},
        {"parent inside the path", {"docs/../../evil.sh", "x"}},
        {"absolute path", {"/tmp/pelmark-evil.sh", "x"}},
        {"backslash", {"..\\evil.sh", "x"}},
        {"drive prefix", {"C:evil.sh", "x"}},
        {"link", {"evil.sh", "/etc/passwd", S_IFLNK | 0777}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const QString zip = WriteArchive({{"first.txt", "written first?"}, c.Bad});
        const TUnpackResult result = UnpackZip(zip, Out());
        EXPECT_FALSE(result.Ok);
        EXPECT_FALSE(result.ErrorText.isEmpty());
        EXPECT_TRUE(Everything(Out()).isEmpty());
        EXPECT_EQ(Everything(root.path()), QStringList({"out", "package.zip"}));
    }
    EXPECT_FALSE(QFileInfo::exists("/tmp/pelmark-evil.sh"));
}

TEST_F(ZipUnpacker, RefusesAFileThatIsNoArchive)
{
    QFile file(root.filePath("package.zip"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html>404 Not Found</html>");
    file.close();
    EXPECT_FALSE(UnpackZip(file.fileName(), Out()).Ok);
}

}  // namespace
