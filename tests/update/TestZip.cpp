#include "TestZip.h"

#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

QByteArray MakeZip(const std::vector<TZipEntry>& entries)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("made.zip"));
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive)
        return {};
    for (const TZipEntry& entry : entries) {
        const QByteArray name = entry.Name.toUtf8();
        zip_int64_t index = -1;
        if (entry.IsFolder) {
            index = zip_dir_add(archive, name.constData(), ZIP_FL_ENC_UTF_8);
        } else {
            // libzip reads the source when the archive is closed: it keeps its own copy here.
            void* copy = malloc(static_cast<size_t>(entry.Data.size()) + 1);
            memcpy(copy, entry.Data.constData(), static_cast<size_t>(entry.Data.size()));
            zip_source_t* source =
                zip_source_buffer(archive, copy, static_cast<zip_uint64_t>(entry.Data.size()), 1);
            index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        }
        if (index >= 0 && entry.UnixMode != 0)
            zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                             static_cast<zip_uint32_t>(entry.UnixMode) << 16);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return {};
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
