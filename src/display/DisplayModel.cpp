#include "display/DisplayModel.h"

#include <stdexcept>
#include <unordered_map>

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "display/DesignChecks.h"
#include "display/PanelRows.h"

namespace {

constexpr const char* kLoadCombinationsName = "pnlLoadCombinations";
constexpr const char* kLoadCombinationsTitle = "Loading (input service level)";

// The item a bar-size list shows for a designation: the lists hold the names of the table of the
// record's family and units, and show item 0 for a designation the table does not hold.
std::string BarSizeText(const TPMData& d, std::int32_t designation)
{
    std::vector<std::string> items;
    for (const RebarSize& row : RebarTableFor(d.Square.RebarFamily, d.Units))
        if (row.Designation != 0)
            items.push_back(RebarName(row.Designation, d.Square.RebarFamily, d.Units));
    const int index = RebarItemIndex(items, designation);
    return index >= 0 ? items[static_cast<std::size_t>(index)] : std::string();
}

// The selected item of each list and the state of each check box.
using TChoiceText = std::string (*)(const TPMData&);
const std::unordered_map<std::string, TChoiceText>& ChoiceTexts()
{
    static const std::unordered_map<std::string, TChoiceText> texts = {
        {"ComboBox1", [](const TPMData& d) -> std::string { return d.Units == usSI ? "SI" : "English"; }},
        {"ComboBox2",
         [](const TPMData& d) -> std::string {
             static const char* const kShapes[] = {"Continuous", "Square", "Circle", "Rectangle"};
             return d.Shape < 4 ? kShapes[d.Shape] : "";
         }},
        {"ComboBox3",
         [](const TPMData& d) -> std::string {
             static const char* const kFamilies[] = {"US", "European", "Canadian"};
             const int family = d.Square.RebarFamily;
             return family >= 0 && family < 3 ? kFamilies[family] : "";
         }},
        {"ComboBox4", [](const TPMData& d) { return BarSizeText(d, d.Square.FootingBarSize); }},
        {"ComboBox7", [](const TPMData& d) { return BarSizeText(d, d.Continuous.StemWall.VertBarSize); }},
        {"ComboBox8", [](const TPMData& d) { return std::to_string(d.Continuous.StemWall.Layers); }},
        {"ComboBox9", [](const TPMData& d) { return BarSizeText(d, d.Continuous.StemWall.HorBarSize); }},
        {"ComboBox10", [](const TPMData& d) { return BarSizeText(d, d.Continuous.Footing.FootBarSize); }},
        {"ComboBox11", [](const TPMData& d) { return BarSizeText(d, d.Continuous.Footing.StBarSize); }},
        {"chkUseReinforcement",
         [](const TPMData& d) -> std::string { return d.Square.UseSquareReinforcement ? "Yes" : "No"; }},
        {"chkUseContReinforcement",
         [](const TPMData& d) -> std::string {
             return d.Continuous.UseContinuousReinforcement ? "Yes" : "No";
         }},
    };
    return texts;
}

class TBuilder {
  public:
    explicit TBuilder(const TPMData& record)
        : Record_(record), Limits_(InputLimitsOf(record.Units)), Checks_(DesignChecks(record))
    {
    }

    TDisplayModel Build() const
    {
        TDisplayModel model;
        const bool stability = Record_.Shape != shContinuous;
        const bool square = Record_.Square.UseSquareReinforcement != 0;
        const bool continuous = Record_.Continuous.UseContinuousReinforcement != 0;
        const std::unordered_map<std::string, bool> shown = {
            {"pnlStabilityAnalysis", stability},   {"pnlStabilityResults", stability},
            {"pnlSquareReinforcement", square},    {"pnlLoading", square},
            {"pnlSquareResults", square},          {"pnlContinuousReinforcement", continuous},
            {kLoadCombinationsName, continuous},   {"pnlGeotechnical", continuous},
            {"pnlStemWallAndFooting", continuous}, {"pnlContinuousResults", continuous},
            {"pnlStemWallResults", continuous},    {"pnlFootingResults", continuous},
        };
        const auto visible = [&](const std::string& name) {
            const auto it = shown.find(name);
            return it == shown.end() || it->second;
        };

        for (const TSectionSpec& spec : InputSections()) {
            TDisplaySection section{spec.Name, spec.Title, {}, {}, visible(spec.Name)};
            for (const TRowSpec& row : spec.Rows)
                section.Rows.push_back(InputRow(row, 0));
            model.Inputs.push_back(std::move(section));
            // The load combinations follow the continuous footing's own inputs.
            if (std::string_view(spec.Name) == "pnlContinuousReinforcement") {
                TDisplaySection loads{
                    kLoadCombinationsName, kLoadCombinationsTitle, {}, {}, visible(kLoadCombinationsName)};
                for (int n = 1; n <= 3; ++n)
                    for (const TRowSpec& row : LoadCombinationRows(n))
                        loads.Rows.push_back(InputRow(row, n));
                model.Inputs.push_back(std::move(loads));
            }
        }
        for (const TResultSectionSpec& spec : ResultSections()) {
            TDisplaySection section{spec.Name, spec.Title, {}, {}, visible(spec.Name)};
            section.ColumnTitles.assign(spec.ColumnTitles.begin(), spec.ColumnTitles.end());
            for (const TResultRowSpec& row : spec.Rows)
                section.Rows.push_back(ResultRow(row));
            if (section.Name == "pnlSquareResults") {
                const TSquareFootingChecks& square = Checks_.Square;
                const struct {
                    const char* Text;
                    const char* Label;
                    bool Visible;
                } notes[] = {
                    {kShearPlaneBeyondEdgeText, kSquareNoteLabels[0], square.ShearBeyondEdge1},
                    {kShearPlaneBeyondEdgeText, kSquareNoteLabels[1], square.ShearBeyondEdge2},
                    {kPunchingBeyondEdgeText, kPunchingNoteLabel, square.PunchBeyondEdge},
                };
                for (const auto& n : notes) {
                    TDisplayRow note;
                    note.Caption = n.Text;
                    note.Control = n.Label;
                    note.Visible = n.Visible;
                    section.Rows.push_back(std::move(note));
                }
            }
            model.Results.push_back(std::move(section));
        }
        model.BearingDiagramVisible = stability;
        model.StemWallDiagramVisible = Record_.Continuous.UseContinuousReinforcement != 0;
        return model;
    }

  private:
    std::string Unit(int kind) const
    {
        return kind == kNoUnit ? std::string() : UnitText(static_cast<TUnitKind>(kind), Record_.Units);
    }
    std::string Text(Real value, int tag) const { return FormatInput(value, tag, Limits_); }

    TDisplayRow InputRow(const TRowSpec& row, int page) const
    {
        TDisplayRow r;
        r.Caption = row.Caption;
        r.Unit = Unit(row.Unit);
        r.Hint = row.Hint;
        r.Page = page;
        switch (row.Kind) {
        case TRowKind::Input: {
            const TInputField* input = FindInput(row.Control);
            if (!input)
                throw std::logic_error(std::string("input row without a catalogue entry: ") + row.Control);
            // The catalogue's accessor also serves writing; it is only read here.
            const Real value = input->Field(const_cast<TPMData&>(Record_));
            r.Cells.push_back({row.Control, Text(value, input->Tag), TVerdict::NotApplicable});
            break;
        }
        case TRowKind::Result:
            r.Cells.push_back({row.Control, Text(row.Field(Record_), row.Tag),
                               row.Verdict ? row.Verdict(Checks_) : TVerdict::NotApplicable});
            break;
        case TRowKind::List:
        case TRowKind::Check: {
            const auto it = ChoiceTexts().find(row.Control);
            if (it == ChoiceTexts().end())
                throw std::logic_error(std::string("choice row without a text: ") + row.Control);
            r.Cells.push_back({row.Control, it->second(Record_), TVerdict::NotApplicable});
            break;
        }
        case TRowKind::Button:
        case TRowKind::Note:
            r.Control = row.Control;
            break;
        }
        return r;
    }

    TDisplayRow ResultRow(const TResultRowSpec& row) const
    {
        TDisplayRow r;
        r.Caption = row.CaptionOf ? row.CaptionOf(Record_) : row.Caption;
        r.Unit = Unit(row.UnitOf ? row.UnitOf(Record_) : row.Unit);
        r.Hint = row.HintOf ? row.HintOf(Record_) : row.Hint;
        r.ColumnTitles.assign(row.ColumnTitles.begin(), row.ColumnTitles.end());
        for (int c = 0; c < 3 && row.Controls[c]; ++c) {
            Real value = row.Fields[c](Record_);
            if (row.SafetyFactor && !IsNaN(value))
                value = MinValid({kSafetyFactorCap, value});
            r.Cells.push_back({row.Controls[c], Text(value, row.Tag),
                               row.Verdicts[c] ? row.Verdicts[c](Checks_) : TVerdict::NotApplicable});
        }
        return r;
    }

    const TPMData& Record_;
    const TInputLimitsTable& Limits_;
    TDesignChecks Checks_;
};

}  // namespace

const TDisplaySection* TDisplayModel::FindSection(std::string_view name) const
{
    for (const auto* column : {&Inputs, &Results})
        for (const TDisplaySection& section : *column)
            if (section.Name == name)
                return &section;
    return nullptr;
}

TDisplayModel BuildDisplayModel(const TPMData& record)
{
    return TBuilder(record).Build();
}

const char* VerdictName(TVerdict verdict)
{
    switch (verdict) {
    case TVerdict::Pass:
        return "pass";
    case TVerdict::Fail:
        return "fail";
    case TVerdict::NotApplicable:
        break;
    }
    return "n/a";
}
