// The pedestals dialog "Pedastals": the number of pedestals and, on one tab each, their position,
// size, height and loads. It edits a working copy of the stability block; only OK writes it back.
#pragma once

#include <QDialog>

#include "core/PMClasses.h"

class QSpinBox;
class QTabBar;
class TNumericEdit;

class TfrmPedastals : public QDialog {
    Q_OBJECT
  public:
    TfrmPedastals(const TPMData& data, QWidget* parent);

    TStabilityData& Working() { return Working_; }
    QSpinBox* SpinEdit1() const { return SpinEdit1_; }
    QTabBar* TabControl1() const { return TabControl1_; }
    TNumericEdit* Edit(int n) const { return Edits_[n - 1]; }

    // OK: the count, the last tab, the square-footing links to pedestal #1, cleared unused slots,
    // and the working copy into the record.
    void Confirm(TPMData& data);

    void StoreTab();
    void ShowTab();
    void RebuildTabs();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SpinEdit1Change();

    const TPMData& Data_;
    TStabilityData Working_;
    QSpinBox* SpinEdit1_;
    QTabBar* TabControl1_;
    QWidget* TabPage_;
    TNumericEdit* Edits_[20] = {};
    bool Rebuilding_ = false;
};

// Shows the dialog for the record; true when the user confirmed it (the record then holds the edits).
bool EditPedestals(TPMData& data, QWidget* parent);
