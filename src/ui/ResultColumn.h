// The result column: heading "  RESULTS" over the page control PageControl2, whose "NUMERIC" page
// is a scroll box of result sections built from the result tables; its other pages can hold the
// diagram images when the window is too narrow for the diagram column.
#pragma once

#include <QWidget>

#include "display/PanelRows.h"
#include "ui/SectionPanel.h"
#include "ui/UnitLabels.h"

class QLabel;
class TPageControl;

// Where the captions, unit labels and values of the result rows stand, measured from the widest
// text each must hold in the column's font.
struct TResultGrid {
    int CaptionWidth = 0;
    int UnitLeft = 0;
    int UnitWidth = 0;
    int ValueLeft = 0;
    int ValueWidth = 0;
    int ValuePitch = 0;    // from one value column to the next: the edit, its icon and a gap
    int ContentWidth = 0;  // the widest section's content, three value columns

    static TResultGrid Measure(const QFont& font);
};

class TResultColumn : public QWidget {
    Q_OBJECT
  public:
    // The design width; the column is wider where its texts need it.
    static constexpr int kWidth = 430;
    enum TPage { pgNumeric = 0, pgDiagram, pgBearing, pgLoading, pgContinuous };

    TResultColumn(TUnitLabelSet& units, QWidget* parent);

    TPageControl* Pages() const { return Pages_; }
    QWidget* Page(int index) const;
    TScrollBox* ScrollBox() const { return Box_; }
    TSectionPanel* Section(const QString& name) const;
    const TResultGrid& Grid() const { return Grid_; }
    // The width of the page control at which every row shows whole beside the scroll bar.
    int FittingWidth() const;

    // The links under the bearing, stability, square footing and continuous footing results.
    QLabel* BearingLink() const { return BearingLink_; }
    QLabel* StabilityLink() const { return StabilityLink_; }
    QLabel* SquareLink() const { return SquareLink_; }
    QLabel* ContinuousLink() const { return ContinuousLink_; }

  private:
    void BuildSection(const TResultSectionSpec& spec);

    TUnitLabelSet& Units_;
    TPageControl* Pages_;
    TScrollBox* Box_;
    TResultGrid Grid_;
    QLabel* BearingLink_ = nullptr;
    QLabel* StabilityLink_ = nullptr;
    QLabel* SquareLink_ = nullptr;
    QLabel* ContinuousLink_ = nullptr;
};

// The diagram column: heading "  DIAGRAMS" over PageControl1 (the diagram pages).
class TDiagramColumn : public QWidget {
    Q_OBJECT
  public:
    enum TPage { pgDiagram = 0, pgBearing, pgLoading, pgContinuous };

    explicit TDiagramColumn(QWidget* parent);
    TPageControl* Pages() const { return Pages_; }
    QWidget* Page(int index) const;

  private:
    TPageControl* Pages_;
};

// The captions of the diagram pages, in page order.
inline constexpr const char* kDiagramPageCaptions[4] = {"DIAGRAM", "BEARING DIAGRAM", "LOADING DIAGRAM",
                                                        "CONTINUOUS REINFORCEMENT"};
