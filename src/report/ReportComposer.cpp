#include "report/ReportComposer.h"

#include <QBuffer>
#include <QDate>
#include <QLocale>
#include <cmath>

#include "core/PMClasses.h"
#include "core/Version.h"
#include "design/SquareFootingChecks.h"
#include "diagrams/DiagramDraw.h"
#include "listings/ComputationListing.h"
#include "report/PrintChoice.h"
#include "report/ReportEngine.h"

namespace {

constexpr double kDiagramPixelsPerInch = 200;
constexpr double kLogoAspect = 173.0 / 73.0;  // the window's logo frame
constexpr int kListingRowsPerColumn = 18;
constexpr double kPairGap = 0.1;     // inch between a caption and its value at the least
constexpr double kSmallestSize = 7;  // points
const QDate kDayZero(1899, 12, 30);

constexpr TJustify L = TJustify::Left, C = TJustify::Center, R = TJustify::Right;

struct TTab {
    double Position;
    double Width;
    TJustify Justify;
};

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

class TComposer {
  public:
    TComposer(TReportEngine& engine, const TDisplayModel& model, const TPMData& record)
        : E(engine), Model(model), Record(record)
    {
    }

    void Compose(int choice);

  private:
    // --- The display model ---
    struct TFound {
        const TDisplayRow* Row = nullptr;
        const TDisplayCell* Cell = nullptr;
    };
    TFound Find(const char* control) const;
    QString Caption(const char* control) const;
    QString Text(const char* control) const;
    QString Unit(const char* control) const;
    QString WithUnit(const char* control) const;
    bool Fails(const char* control) const;
    QString Title(const char* section, const char* fallback) const;

    // --- Printing helpers ---
    void Tabs(std::initializer_list<TTab> tabs);
    void Head(const QString& text);
    void Body() { E.SetFont("Arial", 10); }
    void Lines(int count);
    // A value in the next tab, red when its check fails.
    void Value(const QString& text, bool fails);
    void Value(const char* control, bool withUnit);
    // A caption and its value with unit, or two empty tabs for a null control.
    void Pair(const char* control);
    void Pair(const QString& caption, const char* control);
    void BoldRow(std::initializer_list<QString> texts);

    // --- Sections ---
    void Title();
    void Bearing();
    void Stability(bool afterBearing, bool reinforcementFollows);
    void Square();
    void SquareLoadCombinations();
    void SquareResults();
    void ContinuousInputs();
    void ContinuousResults();
    void StemWallInputs();
    void StemWallResults();
    void Diagram(bool bearingPlan, bool stemWall, double keepFree);
    void References();

    TReportEngine& E;
    const TDisplayModel& Model;
    const TPMData& Record;
};

TComposer::TFound TComposer::Find(const char* control) const
{
    for (const auto* column : {&Model.Inputs, &Model.Results})
        for (const TDisplaySection& section : *column)
            for (const TDisplayRow& row : section.Rows)
                for (const TDisplayCell& cell : row.Cells)
                    if (cell.Control == control)
                        return {&row, &cell};
    return {};
}

QString TComposer::Caption(const char* control) const
{
    const TFound found = Find(control);
    return found.Row ? Q(found.Row->Caption) : QString();
}

QString TComposer::Text(const char* control) const
{
    const TFound found = Find(control);
    return found.Cell ? Q(found.Cell->Text) : QString();
}

QString TComposer::Unit(const char* control) const
{
    const TFound found = Find(control);
    return found.Row ? Q(found.Row->Unit) : QString();
}

QString TComposer::WithUnit(const char* control) const
{
    const QString unit = Unit(control);
    return unit.isEmpty() ? Text(control) : Text(control) + " " + unit;
}

bool TComposer::Fails(const char* control) const
{
    const TFound found = Find(control);
    return found.Cell && found.Cell->Verdict == TVerdict::Fail;
}

QString TComposer::Title(const char* section, const char* fallback) const
{
    const TDisplaySection* found = Model.FindSection(section);
    return (found ? Q(found->Title) : QString(fallback)).trimmed();
}

void TComposer::Tabs(std::initializer_list<TTab> tabs)
{
    for (const TTab& tab : tabs)
        E.SetTab(tab.Position, tab.Justify, tab.Width);
}

void TComposer::Head(const QString& text)
{
    E.SetFont("Arial", 12);
    E.Bold(true);
    E.Print(text);
    E.SetFont("Arial", 10);
    E.Bold(false);
}

void TComposer::Lines(int count)
{
    for (int i = 0; i < count; ++i)
        E.NewLine();
}

void TComposer::Value(const QString& text, bool fails)
{
    if (fails)
        E.FontColor(kReportRed);
    E.PrintTab(text);
    if (fails)
        E.FontColor(kReportBlack);
}

void TComposer::Value(const char* control, bool withUnit)
{
    Value(withUnit ? WithUnit(control) : Text(control), Fails(control));
}

void TComposer::Pair(const char* control)
{
    if (!control) {
        E.PrintTab("");
        E.PrintTab("");
        return;
    }
    Pair(Caption(control), control);
}

void TComposer::Pair(const QString& caption, const char* control)
{
    // A caption and value that would run into each other are set smaller, never overlapped.
    const int first = E.CurrentTab() + 1;
    const double room = E.TabEnd(first + 1) - E.TabStart(first) - kPairGap;
    const QString value = WithUnit(control);
    const double need = E.TextWidth(caption) + E.TextWidth(value);
    const double size = E.Font().Size;
    const bool shrink = need > room && room > 0;
    if (shrink)
        E.SetFont(E.Font().Name, std::max(kSmallestSize, std::floor(2 * size * room / need) / 2));
    E.PrintTab(caption);
    Value(value, Fails(control));
    if (shrink)
        E.SetFont(E.Font().Name, size);
}

void TComposer::BoldRow(std::initializer_list<QString> texts)
{
    E.Bold(true);
    for (const QString& text : texts)
        E.PrintTab(text);
    E.Bold(false);
}

void TComposer::Compose(int choice)
{
    const TReportSections sections = ReportSectionsFor(Record, choice);
    Title();
    if (sections.Bearing)
        Bearing();
    if (sections.Stability)
        Stability(sections.Bearing, sections.Reinforcement());
    if (sections.Square)
        Square();
    if (sections.Continuous) {
        ContinuousInputs();
        ContinuousResults();
        StemWallInputs();
        StemWallResults();
        Diagram(false, true, 0);
    }
    References();
}

void TComposer::Title()
{
    E.MarginLeft = E.MarginRight = E.MarginTop = E.MarginBottom = 1.0;
    E.GotoXY(E.MarginLeft, E.MarginTop + 0.8 * E.LineHeight());
    E.SetFont("Arial", 16);
    E.Bold(true);
    E.PrintCenter("Pelmark Analysis", 4.0);
    E.NewLine();
    const double y1 = E.YPos();
    E.NewLine();
    E.ClearTabs();
    Body();
    Tabs({{1.0, 1.0, L}, {2.0, 2.0, L}});
    const QString date =
        QLocale::system().toString(kDayZero.addDays(static_cast<qint64>(Record.Date)), QLocale::ShortFormat);
    const std::pair<QString, QString> rows[] = {{"Organization", Q(Record.Organization)},
                                                {"Project Name", Q(Record.ProjectName)},
                                                {"Job #", Q(Record.JobNumber)},
                                                {"Design by", Q(Record.DesignBy)},
                                                {"Date", date}};
    for (const auto& [caption, value] : rows) {
        E.PrintTab(caption + ": ");
        E.Bold(true);
        E.PrintTab(value);
        E.Bold(false);
        E.NewLine();
    }
    E.NewLine();
    const double y2 = E.YPos();
    E.NewLine();
    E.ClearTabs();
    if (!Record.Logo.empty()) {
        const double x2 = E.PageWidth() - E.MarginLeft;
        const QByteArray logo(reinterpret_cast<const char*>(Record.Logo.data()),
                              qsizetype(Record.Logo.size()));
        E.PrintImageRect(x2 - (y2 - y1) * kLogoAspect, y1, x2, y2, logo, "JPG");
    }
}

void TComposer::Bearing()
{
    E.NewLine();
    E.SetFont("Arial", 12);
    E.Bold(true);
    E.Print(Title("pnlBearingCapacity", "Bearing Capacity"));
    Lines(2);
    Body();
    Tabs({{1.0, 1.0, L}, {2.0, 1.0, L}});
    E.PrintTab(Caption("ComboBox2") + ": ");
    E.Bold(true);
    E.PrintTab(Text("ComboBox2"));
    E.Bold(false);
    Lines(2);
    E.ClearTabs();

    Tabs({{1.0, 1.5, L}, {2.5, 1.0, R}, {4.0, 1.5, L}, {5.5, 1.0, R}});
    BoldRow({"Variable", "Value", "Variable", "Value"});
    for (auto [left, right] : {std::pair{"Edit1", "Edit5"}, std::pair{"Edit2", "Edit6"},
                               std::pair{"Edit3", "Edit7"}, std::pair{"Edit4", "Edit8"}}) {
        E.NewLine();
        Pair(left);
        Pair(right);
    }
    Lines(3);
    E.ClearTabs();
    Head("Results");
    E.NewLine();

    Tabs({{1.0, 0.2, L},
          {1.2, 0.7, C},
          {1.9, 0.7, C},
          {3.1, 2.1, L},
          {5.2, 0.7, C},
          {5.9, 0.7, C},
          {6.6, 0.4, L}});
    BoldRow({"", "Terzaghi", "Vesic", "", "Terzaghi", "Vesic"});
    Lines(2);
    const std::array<const char*, 4> rows[] = {{"Edit9", "Edit34", "Edit12", "Edit37"},
                                               {"Edit10", "Edit35", "Edit13", "Edit38"},
                                               {"Edit11", "Edit36", "Edit40", "Edit41"}};
    for (const auto& row : rows) {
        E.PrintTab(Caption(row[0]));
        Value(row[0], false);
        Value(row[1], false);
        E.PrintTab(Caption(row[2]));
        Value(row[2], false);
        Value(row[3], false);
        E.PrintTab(Unit(row[2]));
        E.NewLine();
    }
    E.NewLine();
    E.ClearTabs();
    Diagram(false, false, 0);
}

void TComposer::Stability(bool afterBearing, bool reinforcementFollows)
{
    if (afterBearing)
        E.NewPage();
    Head(Title("pnlStabilityResults", "Stability Analysis"));
    Lines(2);
    Tabs({{1.0, 1.8, L}, {2.8, 0.9, R}, {4.2, 1.8, L}, {6.0, 0.9, R}});
    for (auto [left, right] :
         {std::pair{"Edit90", "Edit92"}, std::pair{"Edit87", "Edit93"}, std::pair{"Edit88", "Edit94"},
          std::pair{"Edit89", "Edit95"}, std::pair{"Edit91", "Edit96"}}) {
        Pair(left);
        Pair(right);
        E.NewLine();
    }
    E.NewLine();
    E.ClearTabs();
    Tabs({{1.0, 1.5, L}, {2.5, 0.7, C}, {3.2, 0.7, C}, {3.9, 0.3, L}, {4.2, 2.0, L}, {6.2, 0.7, R}});
    E.NewLine();
    Head("Results");
    Lines(2);
    BoldRow({"Checks", "x", "y"});
    E.NewLine();
    E.PrintTab(Caption("Edit97"));
    Value("Edit97", false);
    Value("Edit98", false);
    E.PrintTab("");
    Pair("Edit101");
    E.NewLine();
    E.PrintTab(Caption("Edit99"));
    Value("Edit99", false);
    Value("Edit100", false);
    E.PrintTab("");
    Pair("Edit102");
    E.NewLine();
    BoldRow({"", "Gross", "Net"});
    E.NewLine();
    E.PrintTab(Caption("Edit103"));
    Value("Edit103", false);
    Value("Edit104", false);
    E.PrintTab(Unit("Edit103"));
    E.ClearTabs();
    Lines(2);

    // The listing in two column pairs: from its 19th row on, the right pair from the top again.
    const double top = E.YPos();
    Tabs({{1.0, 1.5, L}, {2.5, 1.5, L}});
    const std::vector<TListingRow> rows = BuildStabilityListing(Record).Rows();
    double bottom = top;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == kListingRowsPerColumn) {
            bottom = E.YPos();
            E.ClearTabs();
            E.SetYPos(top);
            Tabs({{4.0, 1.5, L}, {5.5, 2.0, L}});
        }
        const TListingRow& row = rows[i];
        if (row.Heading)
            E.Bold(true);
        E.GotoXY(E.TabStart(1), E.YPos());
        E.Print(Q(row.Caption));
        E.PrintTab("");
        E.Bold(false);
        if (row.Value)
            E.PrintTab(Q(*row.Value));
        E.NewLine();
    }
    // The plan goes below the longer column pair.
    if (E.YPos() < bottom)
        E.SetYPos(bottom);
    E.ClearTabs();
    Diagram(true, false, reinforcementFollows ? 6 * E.LineHeight() : 0);
}

void TComposer::Square()
{
    E.NewPage();
    Head(Title("pnlSquareReinforcement", "Square Reinforcement"));
    Lines(2);
    E.ClearTabs();
    Tabs({{1.0, 1.8, L}, {2.8, 1.0, R}, {4.2, 1.8, L}, {6.0, 1.0, R}});
    const std::pair<const char*, const char*> rows[] = {
        {"ComboBox4", "Edit65"}, {"Edit61", "Edit66"}, {"Edit58", "Edit67"}, {"Edit59", "Edit70"},
        {"Edit60", nullptr},     {"Edit62", nullptr},  {"Edit63", "Edit68"}, {"Edit64", "Edit69"}};
    for (const auto& [left, right] : rows) {
        Pair(left);
        if (right && (std::string_view(right) == "Edit68" || std::string_view(right) == "Edit69"))
            Pair("     " + Caption(right), right);
        else if (!right && std::string_view(left) == "Edit62")
            E.PrintTab("Number of bars");
        else
            Pair(right);
        E.NewLine();
    }
    E.NewLine();
    E.ClearTabs();
    SquareLoadCombinations();
    Lines(2);
    // The results stay on one page: they start a new one when the rest of this one cannot hold them
    // (the heading, the soil pressures and the result rows with their notes).
    std::size_t resultRows = 0;
    if (const TDisplaySection* section = Model.FindSection("pnlSquareResults"))
        for (const TDisplayRow& row : section->Rows)
            resultRows += row.Visible ? 1 : 0;
    const double resultsHeight = static_cast<double>(resultRows + 10) * E.LineHeight();
    if (E.YPos() + resultsHeight > E.PageHeight() - E.MarginBottom)
        E.NewPage();
    Head("Results");
    Lines(2);
    E.ClearTabs();
    Tabs({{1.0, 1.8, L}, {2.8, 1.0, R}, {4.2, 1.8, L}, {6.0, 1.0, R}});
    E.PrintTab("Induced Soil Pressure");
    E.NewLine();
    Pair("    " + Caption("Edit71"), "Edit71");
    E.NewLine();
    Pair("    " + Caption("Edit72"), "Edit72");
    Lines(2);
    E.ClearTabs();
    SquareResults();
}

void TComposer::SquareLoadCombinations()
{
    struct TCombination {
        const char* Equation;
        const char* Number;
        const char* Primary;
        double RuleOffset;
    };
    static const TCombination kRows[] = {
        {"U = 1.4`/D", "(5.3.1a)", "D", 0.05},
        {"U = 1.2`/D`\\ + 1.6`/L`\\ + 0.5(`/L`_r`-`\\ or `/S`\\ or `/R`\\)", "(5.3.1b)", "L", 0.07},
        {"U = 1.2`/D`\\ + 1.6(`/L`_r`-`\\ or `/S`\\ or `/R`\\) + (1.0`/L`\\ or 0.5`/W`\\)", "(5.3.1c)",
         "`/L`_r`-`\\ or `/S`\\ or `/R`\\", 0.07},
        {"U = 1.2`/D`\\ + 1.0`/W`\\ + 1.0`/L`\\ + 0.5(`/L`_r`-`\\ or `/S`\\ or `/R`\\)", "(5.3.1d)", "W",
         0.07},
        {"U = 1.2`/D`\\ + 1.0`/E`\\ + 1.0`/L`\\ + 0.2`/S`\\", "(5.3.1e)", "E", 0.07},
        {"U = 0.9`/D`\\ + 1.0`/W", "(5.3.1f)", "W", 0.05},
        {"U = 0.9`/D`\\ + 1.0`/E", "(5.3.1g)", "E", 0.05},
    };
    const double left = (E.PageWidth() - 5) / 2;
    Tabs({{left, 3.0, L}, {kNextTab, 1.0, C}, {kNextTab, 1.0, C}});
    auto rule = [this](double y) {
        E.MoveTo(E.TabStart(1), y);
        E.LineTo(E.TabEnd(3), y);
    };
    rule(E.YPos() + 0.02 - E.LineHeight());
    BoldRow({"", "", "Primary"});
    E.NewLine();
    BoldRow({"Load combination", "Equation", "load"});
    rule(E.YPos() + 0.05);
    E.SetLineHeight(1.4 * E.LineHeight());
    for (const TCombination& row : kRows) {
        E.NewLine();
        PrintMarkup(E, row.Equation);
        E.PrintTab(row.Number);
        if (std::string_view(row.Number) == "(5.3.1c)") {
            E.TabJustify = C;
            PrintMarkup(E, row.Primary);
            E.TabJustify = TJustify::None;
        } else {
            E.Italic(true);
            E.PrintTab(row.Primary);
            E.Italic(false);
        }
        rule(E.YPos() + row.RuleOffset);
    }
}

void TComposer::SquareResults()
{
    // Captions as long as "Column Bearing Strength" stay clear of the values.
    Tabs({{1.0, 1.9, L}, {2.9, 0.7, C}, {3.6, 0.7, C}, {4.35, 0.4, L}, {4.9, 1.3, L}, {6.2, 0.9, L}});
    BoldRow({"Parallel to", "Dim 1", "Dim 2"});
    Lines(2);
    // The shear of each direction is printed in the right-hand column; every other row of the
    // section in the left-hand table, in the section's order.
    const TSquareFootingChecks checks = SquareFootingChecks(Record);
    const auto isShear = [](const TDisplayRow& row) {
        return !row.Cells.empty() && (row.Cells[0].Control == "Edit85" || row.Cells[0].Control == "Edit86");
    };
    std::vector<const TDisplayRow*> left;
    if (const TDisplaySection* section = Model.FindSection("pnlSquareResults"))
        for (const TDisplayRow& row : section->Rows)
            if (row.Visible && !row.Cells.empty() &&
                !isShear(row))  // the shear notes print beside their shear
                left.push_back(&row);
    const std::size_t count = std::max<std::size_t>(left.size(), 6);
    for (std::size_t i = 0; i < count; ++i) {
        if (i < left.size()) {
            const TDisplayRow& row = *left[i];
            E.PrintTab(Q(row.Caption));
            for (std::size_t c = 0; c < 2; ++c) {
                if (c < row.Cells.size())
                    Value(Q(row.Cells[c].Text), row.Cells[c].Verdict == TVerdict::Fail);
                else
                    E.PrintTab("");
            }
            E.PrintTab(Q(row.Unit));
        } else {
            for (int c = 0; c < 4; ++c)
                E.PrintTab("");
        }
        switch (i) {
        case 0:
            E.PrintTab(Caption("Edit85"));
            break;
        case 1:
            E.PrintTab("Dimension 1");
            Value("Edit85", true);
            break;
        case 2:
        case 4:
            if (i == 2 ? checks.ShearBeyondEdge1 : checks.ShearBeyondEdge2) {
                E.GotoXY(4.9, E.YPos());
                E.Print(kShearPlaneBeyondEdgeText);
            }
            break;
        case 3:
            E.PrintTab("Dimension 2");
            Value("Edit86", true);
            break;
        default:
            break;
        }
        E.NewLine();
    }
    if (checks.PunchBeyondEdge) {
        E.GotoXY(1.0, E.YPos());
        E.Print(kPunchingBeyondEdgeText);
        E.NewLine();
    }
    E.NewLine();
}

void TComposer::ContinuousInputs()
{
    E.NewPage();
    Head(Title("pnlContinuousReinforcement", "Continuous Reinforcement"));
    Lines(2);
    E.ClearTabs();
    Tabs({{1.0, 1.8, L}, {2.8, 1.0, R}, {4.2, 1.8, L}, {6.0, 1.0, R}});
    Pair("Edit_CR1");
    E.Bold(true);
    E.PrintTab(Title("pnlGeotechnical", "Geotechnical Properties"));
    E.Bold(false);
    E.NewLine();
    const std::pair<const char*, const char*> rows[] = {
        {"Edit_CR2", nullptr},     {"Edit_CR3", "Edit_CR11"}, {"Edit_CR4", "Edit_CR12"},
        {"Edit_CR5", "Edit_CR13"}, {"Edit_CR6", "Edit_CR14"}, {"Edit_CR7", "Edit_CR15"},
        {"Edit_CR8", "Edit_CR16"}, {"Edit_CR9", "Edit_CR17"}, {"Edit_CR10", nullptr}};
    for (const auto& [left, right] : rows) {
        Pair(left);
        Pair(right);
        E.NewLine();
    }
    E.NewLine();
    E.ClearTabs();
    Tabs({{1.0, 2.0, L}, {3.3, 2.0, L}, {5.6, 2.0, L}});
    E.NewLine();
    E.Bold(true);
    E.Print("Loading (input service level)");
    Lines(2);
    for (const char* header :
         {"Wind (1.2`/D`\\ + 1.0`/W`\\ + `/L`\\)", "Seismic (1.2`/D`\\ + 1.0`/E`\\ + `/L`\\)",
          "General (1.2`/D`\\ + 1.6`/L`\\)"}) {
        E.Bold(true);
        PrintMarkup(E, header);
    }
    E.Bold(false);
    E.NewLine();
    E.ClearTabs();

    Tabs({{1.0, 1.5, L}, {2.4, 0.8, R}, {3.3, 1.5, L}, {4.7, 0.8, R}, {5.6, 1.5, L}, {7.0, 0.8, R}});
    auto control = [](int combination, int row) {
        static std::string name;
        name = "EditLC" + std::to_string(combination) + "_" + std::to_string(row);
        return name;
    };
    for (int row = 1; row <= 14; ++row) {
        const int combinations = row <= 7 ? 3 : row <= 10 ? 2 : 1;
        for (int n = 1; n <= combinations; ++n)
            Pair(control(n, row).c_str());
        E.NewLine();
    }
    E.NewLine();
}

void TComposer::ContinuousResults()
{
    Head("Results");
    Lines(2);
    E.ClearTabs();
    Tabs({{1.0, 1.5, L}, {kNextTab, 1.0, C}, {kNextTab, 1.0, C}, {kNextTab, 1.0, C}, {5.6, 1.0, L}});
    const QString names[3] = {"LC1: Wind", "LC2: Seismic", "LC3: General"};
    auto row = [&](int number, bool unit) {
        const std::string first = "Edit_CRR1_" + std::to_string(number);
        E.PrintTab(Caption(first.c_str()));
        for (int n = 1; n <= 3; ++n) {
            const std::string name = "Edit_CRR" + std::to_string(n) + "_" + std::to_string(number);
            Value(name.c_str(), false);
        }
        if (unit)
            E.PrintTab(Unit(first.c_str()));
        E.NewLine();
    };
    BoldRow({"Sliding Check", names[0], names[1], names[2]});
    E.NewLine();
    row(1, true);
    row(2, true);
    row(3, false);
    E.NewLine();
    BoldRow({"Overturning Check", names[0], names[1], names[2]});
    E.NewLine();
    row(4, true);
    row(5, true);
    row(6, true);
    row(7, false);
    row(8, true);
}

void TComposer::StemWallInputs()
{
    E.NewPage();
    Head(Title("pnlStemWallAndFooting", "Stem Wall and Footing Design"));
    Lines(2);
    E.ClearTabs();
    Tabs({{1.0, 2.2, L}, {kNextTab, 1.2, C}, {kNextTab, 1.2, C}, {kNextTab, 1.2, C}});
    BoldRow({"", "Rebar Size", "Clear Cover, " + Unit("Edit_CR18"), "Bar Spacing, " + Unit("Edit_CR19")});
    E.NewLine();
    QString shrinkage = "Shrinkage and Temperature Steel";
    if (const TDisplaySection* section = Model.FindSection("pnlStemWallAndFooting"))
        for (const TDisplayRow& row : section->Rows)
            if (row.Caption.rfind("Shrinkage", 0) == 0)
                shrinkage = Q(row.Caption).replace("&&", "&");
    const std::array<const char*, 4> rows[] = {
        {nullptr, "ComboBox7", "Edit_CR18", "Edit_CR19"},
        {"Horizontal", "ComboBox9", nullptr, "Edit_CR20"},
        {"Footing", "ComboBox10", "Edit_CR21", "Edit_CR22"},
        {nullptr, "ComboBox11", "Edit_CR23", "Edit_CR24"},
    };
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& row = rows[i];
        E.PrintTab(i == 0 ? "Vertical (x" + Text("ComboBox8") + ")" : i == 3 ? shrinkage : QString(row[0]));
        for (std::size_t c = 1; c < 4; ++c)
            E.PrintTab(row[c] ? Text(row[c]) : QString());
        E.NewLine();
    }
    E.NewLine();
}

void TComposer::StemWallResults()
{
    Head("Results");
    Lines(2);
    E.ClearTabs();
    // The right-hand values end at the right margin, so that long values (the moments of
    // inertia in mm^4) stay clear of their captions and on the page.
    Tabs({{1.0, 2.3, L}, {3.2, 0.8, R}, {4.2, 2.3, L}, {6.5, 1.0, R}});
    const QString names[3] = {"LC1: Wind", "LC2: Seismic", "LC3: General"};
    auto bold = [this](const QString& text) {
        E.Bold(true);
        E.PrintTab(text);
        E.Bold(false);
        E.NewLine();
    };
    auto pairs = [this](std::initializer_list<std::pair<const char*, const char*>> rows) {
        for (const auto& [left, right] : rows) {
            Pair(left);
            if (right)
                Pair(right);
            E.NewLine();
        }
    };
    bold("Vertical");
    pairs({{"Edit_CRR9", "Edit_CRR12"}, {"Edit_CRR10", "Edit_CRR13"}, {"Edit_CRR11", nullptr}});
    E.NewLine();
    E.SaveTabs(1);

    E.ClearTabs();
    Tabs({{1.0, 1.5, L}, {kNextTab, 1.0, C}, {kNextTab, 1.0, C}, {kNextTab, 1.0, C}, {5.6, 1.0, L}});
    auto combinations = [this](const char* number) {
        const std::string first = std::string("Edit_CRR1_") + number;
        E.PrintTab(Caption(first.c_str()));
        for (int n = 1; n <= 3; ++n) {
            const std::string name = "Edit_CRR" + std::to_string(n) + "_" + number;
            Value(name.c_str(), false);
        }
        E.PrintTab(Unit(first.c_str()));
        E.NewLine();
    };
    auto governing = [this](const char* control) {
        E.PrintTab(Caption(control));
        E.PrintTab("");
        E.PrintTab("");
        Value(control, false);
        E.PrintTab(Unit(control));
        E.NewLine();
    };
    BoldRow({"", names[0], names[1], names[2]});
    E.NewLine();
    combinations("14");
    combinations("15");
    combinations("16");
    governing("Edit_CRR17");
    governing("Edit_CRR18");
    E.NewLine();
    E.SaveTabs(2);

    E.RestoreTabs(1);
    bold("Horizontal");
    pairs({{"Edit_CRR19", "Edit_CRR21"}, {"Edit_CRR20", "Edit_CRR22"}});
    E.NewLine();

    E.RestoreTabs(2);
    BoldRow({"", names[0], names[1], names[2]});
    E.NewLine();
    combinations("23");
    E.NewLine();

    E.RestoreTabs(1);
    bold(Title("pnlFootingResults", "Footing Design"));
    pairs({{"Edit_CRR24", "Edit_CRR26"}, {"Edit_CRR25", "Edit_CRR27"}});
    E.NewLine();

    E.RestoreTabs(2);
    BoldRow({"Bearing Check", names[0], names[1], names[2]});
    E.NewLine();
    combinations("28");
    combinations("29");
    E.NewLine();
    E.ClearTabs();
}

void TComposer::Diagram(bool bearingPlan, bool stemWall, double keepFree)
{
    // Below a section drawing 7 lines stay free; below the stem wall section the references.
    const double reserve = bearingPlan ? 0 : (stemWall ? 9 : 7) * E.LineHeight();
    const double widthInches = E.PageWidth() - E.MarginLeft - E.MarginRight;
    double heightInches = E.PageHeight() - E.YPos() - E.MarginBottom - reserve;
    // Too little room for a legible drawing: it goes to the top of the next page.
    if (heightInches < 2.5) {
        E.NewPage();
        heightInches = E.PageHeight() - E.YPos() - E.MarginBottom - reserve;
    }
    const QSize size(int(std::lround(widthInches * kDiagramPixelsPerInch)),
                     int(std::lround(heightInches * kDiagramPixelsPerInch)));
    if (size.width() < 1 || size.height() < 1)
        return;
    TDiagramDraw draw(Record);
    if (bearingPlan) {
        draw.Draw(size, TDiagramKind::BearingPlan);
    } else {
        draw.Bitmap = QImage(size, QImage::Format_RGB32);
        if (!(stemWall && draw.DrawStemWallSection()))
            draw.DrawFootingSection();
        draw.End();
    }
    QImage bitmap = draw.Bitmap;
    {
        // The outermost pixel line is erased, as a white frame over the clip rectangle.
        QPainter painter(&bitmap);
        painter.setPen(Qt::white);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, bitmap.width() - 1, bitmap.height() - 1);
    }
    QByteArray stream;
    {
        QBuffer buffer(&stream);
        buffer.open(QIODevice::WriteOnly);
        bitmap.save(&buffer, "BMP");
    }

    double left = E.MarginLeft, right = E.PageWidth() - E.MarginRight;
    const double top = E.YPos() + 0.2;
    double bottom = top + double(bitmap.height()) / bitmap.width() * (right - left);
    if (bearingPlan) {
        const double limit = E.PageHeight() - E.MarginBottom - keepFree;
        if (bottom > limit) {
            bottom = limit;
            const double width = double(bitmap.width()) / bitmap.height() * (bottom - top);
            left = (E.MarginLeft + E.PageWidth() - E.MarginRight - width) / 2;
            right = left + width;
        }
    }
    E.PrintImageRect(left, top, right, bottom, stream, "BMP");
    if (bearingPlan)
        E.Rectangle(left, top, right, bottom);
    E.GotoXY(left, bottom);
}

void TComposer::References()
{
    E.ClearTabs();
    Lines(2);
    E.GotoXY(E.MarginLeft, E.YPos());
    Head("References:");
    E.NewLine();
    const QString lines[] = {
        "1. \"Principles of Foundation Engineering\", 3rd Edition, 2015",
        "2. 2021 International Building Code",
        "3. \"Building Code Requirements for Structural Concrete\", ACI 318-19",
        "4. \"Structural Foundation Designers' Manual\", 2nd Edition, 2006",
        QString("5. Pelmark Software v") + VersionText + ", Korvane (www.korvane.com)",
    };
    for (const QString& line : lines) {
        if (&line != &lines[0])
            E.NewLine();  // no line feed after the last, so it never opens an empty page
        E.Print(line);
    }
}

}  // namespace

void PrintMarkup(TReportEngine& engine, const QString& text)
{
    constexpr QChar kMarker = u'`';
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == kMarker)
            ++i;
        else
            plain += text[i];
    }
    const double width = engine.TextWidth(plain);
    engine.PrintTab("");
    const double offset = engine.TabJustify == TJustify::Center ? (engine.TabWidth(0) - width) / 2 : 0;
    engine.GotoXY(engine.TabStart(0) + offset, engine.YPos());
    // Runs of one style are printed together.
    QString run;
    auto flush = [&] {
        if (!run.isEmpty())
            engine.Print(run);
        run.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != kMarker) {
            run += text[i];
            continue;
        }
        if (++i >= text.size())
            break;
        flush();
        switch (text[i].unicode()) {
        case u'/':
            engine.Italic(true);
            break;
        case u'\\':
            engine.Italic(false);
            break;
        case u'[':
            engine.Bold(true);
            break;
        case u']':
            engine.Bold(false);
            break;
        case u'_':
            engine.Subscript(true);
            break;
        case u'-':
            engine.Subscript(false);
            engine.Superscript(false);
            break;
        default:
            break;
        }
    }
    flush();
    engine.Italic(false);
    engine.Bold(false);
    engine.Superscript(false);
    engine.Subscript(false);
}

void ComposeReport(TReportEngine& engine, const TDisplayModel& model, const TPMData& record, int choice)
{
    TComposer(engine, model, record).Compose(choice);
}
