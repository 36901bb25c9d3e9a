#include "update/ZipUnpacker.h"

#include <memory>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>
#include <zip.h>

namespace {

struct TArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using TArchive = std::unique_ptr<zip_t, TArchiveCloser>;

struct TEntryCloser {
    void operator()(zip_file_t* entry) const { zip_fclose(entry); }
};

struct TEntry {
    zip_uint64_t Index = 0;
    QString Name;
    bool IsFolder = false;
    bool Executable = false;
};

TUnpackResult Refuse(const QString& why)
{
    return {false, why};
}

// The Unix file mode an entry was stored with, or 0 when it was made elsewhere.
mode_t UnixMode(zip_t* archive, zip_uint64_t index)
{
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0 ||
        system != ZIP_OPSYS_UNIX)
        return 0;
    return static_cast<mode_t>(attributes >> 16);
}

TUnpackResult WriteEntry(zip_t* archive, const TEntry& entry, const QString& target)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return Refuse(QStringLiteral("Cannot create the folder of %1").arg(target));
    std::unique_ptr<zip_file_t, TEntryCloser> source(zip_fopen_index(archive, entry.Index, 0));
    if (!source)
        return Refuse(QStringLiteral("Cannot read %1 in the archive").arg(entry.Name));
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Refuse(QStringLiteral("Cannot write %1").arg(target));
    char buffer[16384];
    for (;;) {
        const zip_int64_t count = zip_fread(source.get(), buffer, sizeof buffer);
        if (count < 0)
            return Refuse(QStringLiteral("Damaged entry %1 in the archive").arg(entry.Name));
        if (count == 0)
            break;
        if (out.write(buffer, count) != count)
            return Refuse(QStringLiteral("Cannot write %1").arg(target));
    }
    out.close();
    if (entry.Executable)
        out.setPermissions(out.permissions() | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return {true, {}};
}

}  // namespace

bool IsSafeEntryName(const QString& name)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(drive))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

TUnpackResult UnpackZip(const QString& zipPath, const QString& folder)
{
    int error = 0;
    TArchive archive(zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, &error));
    if (!archive)
        return Refuse(QStringLiteral("%1 is not a readable zip archive").arg(zipPath));

    // Every entry is checked before the first one is written.
    std::vector<TEntry> entries;
    const zip_int64_t count = zip_get_num_entries(archive.get(), 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* rawName = zip_get_name(archive.get(), index, ZIP_FL_ENC_GUESS);
        if (!rawName)
            return Refuse(QStringLiteral("Damaged archive %1").arg(zipPath));
        TEntry entry{index, QString::fromUtf8(rawName)};
        if (!IsSafeEntryName(entry.Name))
            return Refuse(QStringLiteral("Archive entry %1 points outside its folder").arg(entry.Name));
        const mode_t mode = UnixMode(archive.get(), index);
        const mode_t kind = mode & S_IFMT;
        if (kind != 0 && kind != S_IFREG && kind != S_IFDIR)
            return Refuse(QStringLiteral("Archive entry %1 is a link or a special file").arg(entry.Name));
        entry.IsFolder = entry.Name.endsWith(QLatin1Char('/')) || kind == S_IFDIR;
        entry.Executable = (mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
        entries.push_back(entry);
    }

    const QDir root(folder);
    for (const TEntry& entry : entries) {
        const QString target = root.filePath(entry.Name);
        if (entry.IsFolder) {
            if (!QDir().mkpath(target))
                return Refuse(QStringLiteral("Cannot create %1").arg(target));
            continue;
        }
        const TUnpackResult written = WriteEntry(archive.get(), entry, target);
        if (!written.Ok)
            return written;
    }
    return {true, {}};
}
