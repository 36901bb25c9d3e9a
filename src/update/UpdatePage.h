// The update facts an update page carries in META tags, and the reader of those tags.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "update/UpdateSettings.h"

struct TUpdatePageInfo {
    QString ProductName;
    QString Version;
    QString ClientFileName;
    QString Download;
    QString Redirection;
    QString RunParameters;
    QDate VerDate;  // null when the page gives none or it cannot be read
    QString Author;
    QString Email;
    QString DownloadInplace;
    QString InplaceUtil;
    QString SHA256;
    QString Size;
};

// Splits a page's text into lines at CR LF, LF or CR.
QStringList SplitPageLines(const QString& text);

// Reads every META tag line of a page into `info`; a later tag of the same name overwrites
// an earlier one, lines that carry no tag of `tags` leave `info` as it is.
void ParseUpdatePage(const QStringList& lines, const TmxTagInfo& tags, TUpdatePageInfo& info);

// A release date written as the digits YYYYMMDD; null when it is not such a date.
QDate ParseVerDate(const QString& text);
