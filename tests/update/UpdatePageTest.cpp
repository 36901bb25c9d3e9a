#include <gtest/gtest.h>

#include "update/UpdatePage.h"

namespace {

struct TPageCase {
    const char* Name;
    QStringList Lines;
    QString Version;      // expected mxVersion value
    QString ProductName;  // expected mxProduct value
};

TEST(UpdatePage, ReadsTagsByTheirRules)
{
    const QString longName(300, QLatin1Char('n'));
    const QString content254(254, QLatin1Char('c'));
    const QString content255(255, QLatin1Char('c'));
    const TPageCase cases[] = {
        {"usual tag", {"<META NAME=\"mxVersion\" CONTENT=\"3.0.2\">"}, "3.0.2", ""},
        {"lower-case words found", {"<meta name=\"mxVersion\" content=\"3.0.2\">"}, "3.0.2", ""},
        {"name in capitals does not match", {"<META NAME=\"MXVERSION\" CONTENT=\"3.0.2\">"}, "", ""},
        {"value keeps its case", {"<META NAME=\"mxProduct\" CONTENT=\"PelMark Pro\">"}, "", "PelMark Pro"},
        {"later tag overwrites",
         {"<META NAME=\"mxVersion\" CONTENT=\"1.0.0\">", "<META NAME=\"mxVersion\" CONTENT=\"2.0.0\">"},
         "2.0.0",
         ""},
        {"other lines ignored",
         {"<html>", "mxVersion CONTENT=\"9\"", "<META NAME=\"mxVersion\" CONTENT=\"4.1.0\">", "</html>"},
         "4.1.0",
         ""},
        // Only the first tag of a line is read: its name and the first CONTENT= of the line.
        {"one tag a line",
         {"<META NAME=\"mxProduct\" CONTENT=\"A\"><META NAME=\"mxVersion\" CONTENT=\"2\">"},
         "",
         "A"},
        // A name without its closing quote within 255 characters is empty and matches nothing.
        {"name over the limit", {"<META NAME=\"" + longName + "\" CONTENT=\"5\">"}, "", ""},
        // The closing quote must lie within the 255 characters after the opening one.
        {"value of 254 characters",
         {"<META NAME=\"mxVersion\" CONTENT=\"" + content254 + "\">"},
         content254,
         ""},
        {"value of 255 characters is empty",
         {"<META NAME=\"mxVersion\" CONTENT=\"" + content255 + "\">"},
         "",
         ""},
        {"tag across two lines is lost", {"<META NAME=\"mxVersion\"", " CONTENT=\"3.0.2\">"}, "", ""},
    };
    for (const TPageCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TUpdatePageInfo info;
        ParseUpdatePage(c.Lines, TmxTagInfo{}, info);
        EXPECT_EQ(info.Version, c.Version);
        EXPECT_EQ(info.ProductName, c.ProductName);
    }
}

TEST(UpdatePage, EveryTagLandsInItsField)
{
    const QString page = "<html><head>\r\n"
                         "<META NAME=\"mxProduct\" CONTENT=\"Pelmark\">\r\n"
                         "<META NAME=\"mxVersion\" CONTENT=\"4.1.2\">\n"
                         "<META NAME=\"mxClientSideName\" CONTENT=\"PelmarkSetup.exe\">\r"
                         "<META NAME=\"mxDownload\" CONTENT=\"http://h/d/PelmarkSetup.exe\">\r\n"
                         "<META NAME=\"mxRedirection\" CONTENT=\"http://h/other.html\">\r\n"
                         "<META NAME=\"mxRunParameters\" CONTENT=\"/SILENT\">\r\n"
                         "<META NAME=\"mxVerDate\" CONTENT=\"20260131\">\r\n"
                         "<META NAME=\"mxAuthor\" CONTENT=\"Korvane\">\r\n"
                         "<META NAME=\"mxEmail\" CONTENT=\"info@h\">\r\n"
                         "<META NAME=\"mxDownloadInplace\" CONTENT=\"http://h/d/p.zip\">\r\n"
                         "<META NAME=\"mxInplaceUtil\" CONTENT=\"http://h/d/inplace.exe\">\r\n"
                         "<META NAME=\"mxSHA256\" CONTENT=\"ABCDEF\">\r\n"
                         "</head></html>\r\n";
    TUpdatePageInfo info;
    ParseUpdatePage(SplitPageLines(page), TmxTagInfo{}, info);
    EXPECT_EQ(info.ProductName, "Pelmark");
    EXPECT_EQ(info.Version, "4.1.2");
    EXPECT_EQ(info.ClientFileName, "PelmarkSetup.exe");
    EXPECT_EQ(info.Download, "http://h/d/PelmarkSetup.exe");
    EXPECT_EQ(info.Redirection, "http://h/other.html");
    EXPECT_EQ(info.RunParameters, "/SILENT");
    EXPECT_EQ(info.VerDate, QDate(2026, 1, 31));
    EXPECT_EQ(info.Author, "Korvane");
    EXPECT_EQ(info.Email, "info@h");
    EXPECT_EQ(info.DownloadInplace, "http://h/d/p.zip");
    EXPECT_EQ(info.InplaceUtil, "http://h/d/inplace.exe");
    EXPECT_EQ(info.SHA256, "ABCDEF");
}

TEST(UpdatePage, OwnTagNamesAreUsed)
{
    TmxTagInfo tags;
    tags.Version = "ver";
    TUpdatePageInfo info;
    ParseUpdatePage({"<META NAME=\"mxVersion\" CONTENT=\"1\">", "<META NAME=\"ver\" CONTENT=\"2\">"}, tags,
                    info);
    EXPECT_EQ(info.Version, "2");
}

TEST(UpdatePage, ReleaseDateFromDigits)
{
    const struct {
        const char* Text;
        QDate Date;  // null: the date value 0
    } cases[] = {
        {"20260131", QDate(2026, 1, 31)},
        {"20240229", QDate(2024, 2, 29)},  // leap day
        {"20230229", QDate()},             // no such day
        {"20261301", QDate()},             // no such month
        {"2026-01-31", QDate()},
        {"", QDate()},
        {"abc", QDate()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseVerDate(c.Text), c.Date);
    }
}

}  // namespace
