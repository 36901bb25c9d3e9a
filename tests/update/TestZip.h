// Builds zip archives for the tests with libzip.
#pragma once

#include <vector>

#include <QByteArray>
#include <QString>

struct TZipEntry {
    QString Name;
    QByteArray Data;        // a link's target for a link
    unsigned UnixMode = 0;  // full st_mode; 0 stores no Unix attributes
    bool IsFolder = false;
};

// The bytes of an archive holding `entries` in order.
QByteArray MakeZip(const std::vector<TZipEntry>& entries);
