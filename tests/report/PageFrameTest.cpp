// The page frame: the footer of every page, the markup printer and the decoding of image streams.
#include <QBuffer>
#include <QProcess>
#include <QTemporaryDir>

#include "ReportTestSupport.h"
#include "core/Version.h"
#include "report/ReportOutput.h"

namespace {

QByteArray Encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

TEST(PageFrame, PageThreePrintsItsNumberRightTheVersionInBoldAndTheRuleALineAbove)
{
    TRecordingReportEngine engine;
    AttachPageFrame(engine);
    engine.MarginLeft = engine.MarginRight = engine.MarginBottom = 1.0;
    engine.Begin();
    engine.NewPage();
    engine.NewPage();
    engine.End();
    const QStringList& ops = engine.Operations;
    const int page3 = ops.indexOf("Page 3");
    ASSERT_GE(page3, 0);
    // On a Letter page with the footer margin of 0.4: the footer line at 11 - 0.4 = 10.6, the
    // rule one 9-point line (9 x 1.2 / 72 = 0.15) above it at 10.45, from 1.0 to 8.5 - 1.0.
    EXPECT_TRUE(
        Consecutive(ops.mid(page3), {"Page 3", "SetFont Arial 9", "Line 1.00 10.45 7.50 10.45",
                                     "PrintFooter \"  www.korvane.com\" left", "PrintFooter \"3  \" right"}));
    EXPECT_TRUE(ops.mid(page3).contains("Text 1.00 10.60 9 regular color 0 \"  www.korvane.com\""));
    // "3  " is three characters of 9/144 inch, right-aligned at 7.5.
    EXPECT_NEAR(Drawn(ops, "3  ").X, 7.5 - 3 * 9.0 / 144, 0.006);
    const TDrawn version = Drawn(ops, QString("Pelmark v") + VersionText);
    EXPECT_EQ(version.Style, "bold");
    EXPECT_DOUBLE_EQ(version.Y, 10.60);
    EXPECT_EQ(ops.count("PrintFooter \"  www.korvane.com\" left"), 3);
    // The body's bottom margin is back after the footer.
    EXPECT_DOUBLE_EQ(engine.MarginBottom, 1.0);
}

TEST(PageFrame, DecodesJpegAndBitmapStreamsAndLeavesOtherKindsUntouched)
{
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QImage target;
    DecodeReportImage(Encode(picture, "BMP"), "BMP", target);
    EXPECT_EQ(target.size(), QSize(40, 20));
    EXPECT_EQ(target.pixelColor(5, 5), QColor(Qt::red));
    target = QImage();
    DecodeReportImage(Encode(picture, "JPG"), "JPG", target);
    EXPECT_EQ(target.size(), QSize(40, 20));
    QImage untouched(3, 3, QImage::Format_RGB32);
    target = untouched;
    DecodeReportImage(Encode(picture, "PNG"), "PNG", target);
    EXPECT_EQ(target.size(), QSize(3, 3));
    // Damaged data prints nothing in its rectangle.
    TRecordingReportEngine engine;
    AttachPageFrame(engine);
    engine.Begin();
    engine.PrintImageRect(1, 1, 2, 2, "not a bitmap", "BMP");
    engine.PrintImageRect(1, 1, 2, 2, Encode(picture, "PNG"), "PNG");
    EXPECT_FALSE(engine.Operations.join('\n').contains("Picture"));
}

TEST(PrintMarkupTest, SwitchesStylesAtMarkersAndCentresWhenTheTabJustifyIsCentre)
{
    TRecordingReportEngine engine;
    engine.Begin();
    engine.SetTab(1.0, TJustify::Left, 2.0);
    engine.SetTab(3.0, TJustify::Left, 2.0);
    PrintMarkup(engine, "U = 1.2`/D`\\ + 1.6`/L`_r`-`\\ `x`");
    EXPECT_TRUE(Consecutive(engine.Operations,
                            {"PrintTab \"\"", "Print \"U = 1.2\"", "Italic on", "Print \"D\"", "Italic off",
                             "Print \" + 1.6\"", "Italic on", "Print \"L\"", "Subscript on", "Print \"r\"",
                             "Subscript off", "Superscript off", "Italic off", "Print \" \"", "Italic off",
                             "Bold off", "Superscript off", "Subscript off"}));
    EXPECT_EQ(Drawn(engine.Operations, "r").Style, "regular italic sub");
    EXPECT_DOUBLE_EQ(Drawn(engine.Operations, "U = 1.2").X, 1.0);
    // Centred in the second tab: "W" is 10/144 inch wide, 3 + (2 - 10/144) / 2 = 3.9653.
    engine.TabJustify = TJustify::Center;
    PrintMarkup(engine, "`/W");
    EXPECT_NEAR(Drawn(engine.Operations, "W").X, 3.9653, 0.006);
}

// The report of the English example as a PDF file, read back as text.
class ReportPdf : public ::testing::Test {
  protected:
    static QString PdfText(const QString& pdf)
    {
        QProcess process;
        process.start("pdftotext", {pdf, "-"});
        if (!process.waitForFinished(30000))
            return {};
        return QString::fromUtf8(process.readAllStandardOutput());
    }
};

TEST_F(ReportPdf, ShowsEveryCaptionAndValueOfThePrintedResultsAndTheFooterOnEveryPage)
{
    QTemporaryDir dir;
    const TPMData record = LoadExample(false);
    const TDisplayModel model = BuildDisplayModel(record);
    const QString path = dir.filePath("report.pdf");
    ASSERT_EQ(WriteReportPdf(path, model, record, 0), QString());
    const QString text = PdfText(path);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext (poppler-utils) is needed";
    const QStringList pages = text.split('\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 5);
    for (int page = 0; page < pages.size(); ++page) {
        EXPECT_TRUE(pages[page].contains("www.korvane.com")) << page + 1;
        EXPECT_TRUE(pages[page].contains(QString("Pelmark v") + VersionText)) << page + 1;
        EXPECT_TRUE(QRegularExpression(QString("(^|\\n)\\s*%1\\s*(\\n|$)").arg(page + 1))
                        .match(pages[page])
                        .hasMatch())
            << "page number " << page + 1;
    }
    // Every caption and text of the printed result sections (the corner pressures are not part
    // of the stability section's table).
    for (const char* name : {"pnlBearingCapacity", "pnlStabilityResults", "pnlSquareResults",
                             "pnlContinuousResults", "pnlStemWallResults", "pnlFootingResults"}) {
        const TDisplaySection* section = model.FindSection(name);
        ASSERT_NE(section, nullptr) << name;
        for (const TDisplayRow& row : section->Rows) {
            if (!row.Visible || QString::fromStdString(row.Caption).contains(QRegularExpression("^P[1-4]$")))
                continue;
            EXPECT_TRUE(text.contains(QString::fromStdString(row.Caption))) << name << " " << row.Caption;
            for (const TDisplayCell& cell : row.Cells)
                EXPECT_TRUE(text.contains(QString::fromStdString(cell.Text))) << name << " " << cell.Control;
        }
    }
}

}  // namespace
