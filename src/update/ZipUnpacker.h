// Unpacks a downloaded zip archive into a folder of its own.
#pragma once

#include <QString>

struct TUnpackResult {
    bool Ok = false;
    QString ErrorText;
};

// Whether an archive entry's name stays inside the folder it is unpacked into: no absolute
// path, no drive prefix, no backslash, no ".." component.
bool IsSafeEntryName(const QString& name);

// Writes every entry of `zipPath` below `folder` (which must exist), restoring the executable
// bit of entries made on Unix. The whole archive is refused, before anything is written, when
// it cannot be read or an entry is a link or would land outside `folder`.
TUnpackResult UnpackZip(const QString& zipPath, const QString& folder);
