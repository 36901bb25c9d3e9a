// The input column: heading "  INPUTS" over a scroll box of collapsible input sections, built from
// the row tables and the input catalogue.
#pragma once

#include <QWidget>

#include "display/PanelRows.h"
#include "ui/SectionPanel.h"
#include "ui/UnitLabels.h"

class QComboBox;
class TNumericEdit;
class TPageControl;

// The caption and unit widths of the input rows, measured from the widest text each must hold in
// the column's font.
struct TInputGrid {
    int CaptionWidth = 0;
    int UnitWidth = 0;
    int ContentWidth = 0;

    static TInputGrid Measure(const QFont& font);
};

class TInputColumn : public QWidget {
    Q_OBJECT
  public:
    // The design width; the column is wider where its texts need it.
    static constexpr int kWidth = 299;

    TInputColumn(TUnitLabelSet& units, QWidget* parent);

    TScrollBox* ScrollBox() const { return Box_; }
    TSectionPanel* Section(const QString& name) const;
    // The width at which every row shows whole beside the scroll bar.
    int FittingWidth() const;
    QComboBox* CombinationList() const { return CombinationList_; }
    TPageControl* CombinationPages() const { return CombinationPages_; }
    // Sizes the combination pages to the current page and reopens their section so that it fits.
    void FitCombinationPage();

  private:
    void BuildSection(const TSectionSpec& spec);
    void BuildLoadCombinations();
    // Places one row at the given top inside a parent; returns the next row's top.
    int PlaceRow(const TRowSpec& row, QWidget* parent, int top, int captionWidth);

    TUnitLabelSet& Units_;
    TScrollBox* Box_;
    TInputGrid Grid_;
    QComboBox* CombinationList_ = nullptr;
    TPageControl* CombinationPages_ = nullptr;
};
