#include "update/UpdatePage.h"

#include <QRegularExpression>

namespace {

// A quoted value runs from `start` to the next double quote within this many characters.
constexpr int kQuotedWindow = 255;

QString QuotedText(const QString& line, qsizetype start)
{
    const QString window = line.mid(start, kQuotedWindow);
    const qsizetype quote = window.indexOf(QLatin1Char('"'));
    return quote < 0 ? QString() : window.left(quote);
}

// The quoted text that starts `skip` characters after the first `marker` of the line.
QString MarkedValue(const QString& line, QLatin1String marker, qsizetype skip, bool& found)
{
    const qsizetype at = line.indexOf(marker, 0, Qt::CaseInsensitive);
    found = at >= 0;
    return found ? QuotedText(line, at + skip) : QString();
}

}  // namespace

QStringList SplitPageLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return text.split(lineBreak);
}

QDate ParseVerDate(const QString& text)
{
    bool ok = false;
    const int digits = text.trimmed().toInt(&ok);
    if (!ok || digits <= 0)
        return {};
    return QDate(digits / 10000, (digits / 100) % 100, digits % 100);  // null when not a real date
}

void ParseUpdatePage(const QStringList& lines, const TmxTagInfo& tags, TUpdatePageInfo& info)
{
    const std::pair<const QString*, QString*> textTags[] = {
        {&tags.ProductName, &info.ProductName},
        {&tags.Version, &info.Version},
        {&tags.ClientFileName, &info.ClientFileName},
        {&tags.Download, &info.Download},
        {&tags.Redirection, &info.Redirection},
        {&tags.RunParameters, &info.RunParameters},
        {&tags.Author, &info.Author},
        {&tags.Email, &info.Email},
        {&tags.DownloadInplace, &info.DownloadInplace},
        {&tags.InplaceUtil, &info.InplaceUtil},
        {&tags.SHA256, &info.SHA256},
        {&tags.Size, &info.Size},
    };
    for (const QString& line : lines) {
        bool isTag = false;
        const QString name = MarkedValue(line, QLatin1String("META NAME"), 11, isTag);  // after META NAME="
        if (!isTag)
            continue;
        bool hasContent = false;
        const QString value = MarkedValue(line, QLatin1String("CONTENT="), 9, hasContent);  // after CONTENT="
        for (const auto& [tagName, field] : textTags)
            if (name == *tagName)
                *field = value;
        if (name == tags.VerDate)
            info.VerDate = ParseVerDate(value);
    }
}
