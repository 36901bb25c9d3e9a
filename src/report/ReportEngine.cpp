#include "report/ReportEngine.h"

#include <algorithm>

namespace {

constexpr double kPointsPerInch = 72;
// The first baseline of a page lies this share of a line height below the top margin.
constexpr double kAscentShare = 0.8;

QString Flag(bool on)
{
    return on ? "on" : "off";
}

QString JustifyName(TJustify justify)
{
    switch (justify) {
    case TJustify::Left:
        return "left";
    case TJustify::Center:
        return "center";
    case TJustify::Right:
        return "right";
    default:
        return "none";
    }
}

QString Inches(double value)
{
    return QString::number(value, 'f', 2);
}

}  // namespace

void TReportEngine::SetFont(const QString& name, double size)
{
    Font_.Name = name;
    Font_.Size = size;
    Note(QString("SetFont %1 %2").arg(name).arg(size));
}

void TReportEngine::Bold(bool on)
{
    Font_.Bold = on;
    Note("Bold " + Flag(on));
}

void TReportEngine::Italic(bool on)
{
    Font_.Italic = on;
    Note("Italic " + Flag(on));
}

void TReportEngine::Subscript(bool on)
{
    Font_.Subscript = on;
    if (on)
        Font_.Superscript = false;
    Note("Subscript " + Flag(on));
}

void TReportEngine::Superscript(bool on)
{
    Font_.Superscript = on;
    if (on)
        Font_.Subscript = false;
    Note("Superscript " + Flag(on));
}

void TReportEngine::FontColor(std::uint32_t color)
{
    Font_.Color = color;
    Note(QString("FontColor %1").arg(color));
}

void TReportEngine::TextAt(double x, const QString& text)
{
    double y = Y_;
    if (Font_.Subscript)
        y += 0.25 * Font_.Size / kPointsPerInch;
    else if (Font_.Superscript)
        y -= 0.4 * Font_.Size / kPointsPerInch;
    if (!text.isEmpty())
        OutText(x, y, text, Font_);
    X_ = x + MeasureText(text, Font_);
}

void TReportEngine::Print(const QString& text)
{
    Note("Print \"" + text + "\"");
    TextAt(X_, text);
}

void TReportEngine::PrintCenter(const QString& text, double x)
{
    Note("PrintCenter \"" + text + "\" " + Inches(x));
    TextAt(x - MeasureText(text, Font_) / 2, text);
}

void TReportEngine::PrintTab(const QString& text)
{
    Note("PrintTab \"" + text + "\"");
    if (TabIndex_ >= static_cast<int>(Tabs_.size())) {
        TextAt(X_, text);  // beyond the set: where the cursor stands
        return;
    }
    const TReportTab& tab = Tabs_[TabIndex_++];
    const TJustify justify = TabJustify == TJustify::None ? tab.Justify : TabJustify;
    const double width = MeasureText(text, Font_);
    double x = tab.Start;
    if (justify == TJustify::Right)
        x = tab.Start + tab.Width - width;
    else if (justify == TJustify::Center)
        x = tab.Start + (tab.Width - width) / 2;
    TextAt(x, text);
}

void TReportEngine::NewLine()
{
    Note("NewLine");
    Y_ += LineHeight();
    X_ = MarginLeft;
    TabIndex_ = 0;
    if (Y_ > PageHeight_ - MarginBottom)
        NewPage();
}

void TReportEngine::NewPage()
{
    Note("NewPage");
    FinishPage();
    OutNewPage();
    StartPage();
}

void TReportEngine::GotoXY(double x, double y)
{
    X_ = x;
    Y_ = y;
}

double TReportEngine::LineHeight() const
{
    return LineHeight_ > 0 ? LineHeight_ : Font_.Size * 1.2 / kPointsPerInch;
}

void TReportEngine::SetLineHeight(double height)
{
    LineHeight_ = height;
    Note("LineHeight " + Inches(height));
}

void TReportEngine::SetTab(double position, TJustify justify, double width, double, int, int)
{
    const double start = position == kNextTab
                             ? (Tabs_.empty() ? MarginLeft : Tabs_.back().Start + Tabs_.back().Width)
                             : position;
    Tabs_.push_back({start, width, justify});
    Note("SetTab " + Inches(start) + " " + Inches(width) + " " + JustifyName(justify));
}

void TReportEngine::ClearTabs()
{
    Tabs_.clear();
    TabIndex_ = 0;
    Note("ClearTabs");
}

void TReportEngine::SaveTabs(int number)
{
    SavedTabs_[number] = Tabs_;
    Note(QString("SaveTabs %1").arg(number));
}

void TReportEngine::RestoreTabs(int number)
{
    Tabs_ = SavedTabs_[number];
    TabIndex_ = 0;
    Note(QString("RestoreTabs %1").arg(number));
}

double TReportEngine::TabStart(int n) const
{
    const int index = n == 0 ? TabIndex_ - 1 : n - 1;
    return index >= 0 && index < static_cast<int>(Tabs_.size()) ? Tabs_[index].Start : X_;
}

double TReportEngine::TabWidth(int n) const
{
    const int index = n == 0 ? TabIndex_ - 1 : n - 1;
    return index >= 0 && index < static_cast<int>(Tabs_.size()) ? Tabs_[index].Width : 0;
}

double TReportEngine::TabEnd(int n) const
{
    return TabStart(n) + TabWidth(n);
}

void TReportEngine::MoveTo(double x, double y)
{
    PenX_ = x;
    PenY_ = y;
}

void TReportEngine::LineTo(double x, double y)
{
    Note("Line " + Inches(PenX_) + " " + Inches(PenY_) + " " + Inches(x) + " " + Inches(y));
    OutLine(PenX_, PenY_, x, y);
    MoveTo(x, y);
}

void TReportEngine::Rectangle(double x1, double y1, double x2, double y2)
{
    Note("Rectangle " + Inches(x1) + " " + Inches(y1) + " " + Inches(x2) + " " + Inches(y2));
    OutRectangle(x1, y1, x2, y2);
}

void TReportEngine::PrintImageRect(double x1, double y1, double x2, double y2, const QByteArray& stream,
                                   const QString& kind)
{
    Note("Image " + kind + " " + Inches(x1) + " " + Inches(y1) + " " + Inches(x2) + " " + Inches(y2));
    QImage image;
    if (OnDecodeImage)
        OnDecodeImage(stream, kind, image);
    if (!image.isNull())
        OutImage(x1, y1, x2, y2, image);
}

void TReportEngine::PrintFooter(const QString& text, TJustify justify)
{
    Note("PrintFooter \"" + text + "\" " + JustifyName(justify));
    const double y = PageHeight_ - MarginBottom;
    const double width = MeasureText(text, Font_);
    double x = SectionLeft();
    if (justify == TJustify::Right)
        x = SectionRight() - width;
    else if (justify == TJustify::Center)
        x = (SectionLeft() + SectionRight() - width) / 2;
    OutText(x, y, text, Font_);
}

void TReportEngine::Begin()
{
    if (Started_)
        return;
    Started_ = true;
    StartPage();
}

void TReportEngine::End()
{
    if (!Started_)
        return;
    FinishPage();
    Started_ = false;
}

void TReportEngine::StartPage()
{
    ++Page_;
    X_ = MarginLeft;
    Y_ = MarginTop + kAscentShare * LineHeight();
    TabIndex_ = 0;
    Note(QString("Page %1").arg(Page_));
}

void TReportEngine::FinishPage()
{
    if (!OnPrintFooter)
        return;
    // The footer writes in its own font; the body of the next page keeps the body's.
    const TReportFont font = Font_;
    const double x = X_, y = Y_;
    OnPrintFooter(*this);
    Font_ = font;
    X_ = x;
    Y_ = y;
}
