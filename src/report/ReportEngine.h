// The report engine: a page writer in inches with fonts, tab sets, a line cursor that breaks pages
// by itself, lines, frames and images. The layout logic lives here; a concrete engine only puts
// positioned text, lines and pictures on its output (a painter device, or a recording for tests).
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

enum class TJustify { None, Left, Center, Right };

// A tab position given as "next" follows the previous tab directly.
inline constexpr double kNextTab = -1;

struct TReportTab {
    double Start = 0;
    double Width = 0;
    TJustify Justify = TJustify::Left;
};

// Text colours as the report names them (a Windows colour value: 0 black, 255 red).
inline constexpr std::uint32_t kReportBlack = 0;
inline constexpr std::uint32_t kReportRed = 255;

// The style a piece of text is written in.
struct TReportFont {
    QString Name = "Arial";
    double Size = 10;  // points
    bool Bold = false;
    bool Italic = false;
    bool Subscript = false;
    bool Superscript = false;
    std::uint32_t Color = kReportBlack;

    // The size a sub- or superscript is drawn at.
    double DrawnSize() const { return Subscript || Superscript ? Size * 0.6 : Size; }
};

class TReportEngine {
  public:
    // The footer, once per page after its body; given the engine.
    std::function<void(TReportEngine&)> OnPrintFooter;
    // Fills the target bitmap from an image stream of the given kind ("JPG", "BMP", ...).
    std::function<void(const QByteArray& stream, const QString& kind, QImage& target)> OnDecodeImage;

    virtual ~TReportEngine() = default;

    // --- Page geometry ---
    double MarginLeft = 0.5, MarginRight = 0.5, MarginTop = 0.5, MarginBottom = 0.5;
    double PageWidth() const { return PageWidth_; }
    double PageHeight() const { return PageHeight_; }
    double SectionLeft() const { return MarginLeft; }
    double SectionRight() const { return PageWidth_ - MarginRight; }
    int CurrentPage() const { return Page_; }

    // --- Fonts ---
    void SetFont(const QString& name, double size);
    void Bold(bool on);
    void Italic(bool on);
    void Subscript(bool on);    // clears superscript
    void Superscript(bool on);  // clears subscript
    void FontColor(std::uint32_t color);
    const TReportFont& Font() const { return Font_; }

    // --- Text and the cursor ---
    void Print(const QString& text);
    void PrintCenter(const QString& text, double x);
    void PrintTab(const QString& text);
    // Next line; a new page when the next line would pass the bottom margin.
    void NewLine();
    void NewPage();
    double YPos() const { return Y_; }
    void SetYPos(double y) { Y_ = y; }
    double XPos() const { return X_; }
    void GotoXY(double x, double y);
    // The height of one line: from the font (1.2 times its size) until it is set.
    double LineHeight() const;
    void SetLineHeight(double height);
    double TextWidth(const QString& text) const { return MeasureText(text, Font_); }

    // --- Tab sets ---
    void SetTab(double position, TJustify justify, double width, double margin = 0, int boxLines = 0,
                int shade = 0);
    void ClearTabs();
    void SaveTabs(int number);
    void RestoreTabs(int number);
    // Tab n of the current set (1-based); n = 0 is the current tab.
    double TabStart(int n) const;
    double TabEnd(int n) const;
    double TabWidth(int n) const;
    // Tabs printed on this line so far: the next PrintTab writes into tab CurrentTab() + 1.
    int CurrentTab() const { return TabIndex_; }
    // A report-wide override of every tab's justification (None: each keeps its own).
    TJustify TabJustify = TJustify::None;

    // --- Lines, frames, images, footer ---
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    void Rectangle(double x1, double y1, double x2, double y2);
    // Asks OnDecodeImage to decode the stream; an image left empty prints nothing.
    void PrintImageRect(double x1, double y1, double x2, double y2, const QByteArray& stream,
                        const QString& kind);
    // Footer text on the bottom margin line, justified between the section's edges.
    void PrintFooter(const QString& text, TJustify justify);

    // Starts the first page and ends the last (with its footer).
    void Begin();
    void End();

  protected:
    explicit TReportEngine(double pageWidth, double pageHeight)
        : PageWidth_(pageWidth), PageHeight_(pageHeight)
    {
    }

    // --- The output of a concrete engine; positions in inches from the page's top-left ---
    virtual double MeasureText(const QString& text, const TReportFont& font) const = 0;
    // Text with its baseline at y.
    virtual void OutText(double x, double y, const QString& text, const TReportFont& font) = 0;
    virtual void OutLine(double x1, double y1, double x2, double y2) = 0;
    virtual void OutRectangle(double x1, double y1, double x2, double y2) = 0;
    virtual void OutImage(double x1, double y1, double x2, double y2, const QImage& image) = 0;
    // Ends the current page and starts the next one.
    virtual void OutNewPage() = 0;
    // A note of an operation, for engines that record them.
    virtual void Note(const QString& operation) {}

  private:
    void StartPage();
    void FinishPage();
    void TextAt(double x, const QString& text);

    double PageWidth_, PageHeight_;
    int Page_ = 0;
    bool Started_ = false;
    double X_ = 0, Y_ = 0;
    double PenX_ = 0, PenY_ = 0;
    double LineHeight_ = 0;  // 0: from the font
    TReportFont Font_;
    std::vector<TReportTab> Tabs_;
    int TabIndex_ = 0;  // tabs printed on this line; the current tab is Tabs_[TabIndex_ - 1]
    std::map<int, std::vector<TReportTab>> SavedTabs_;
};
