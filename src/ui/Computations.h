// The listing window "Computations": the intermediate variables of a calculation as a two-column
// table "Variable" and "Value"; heading rows are drawn bold across both columns.
#pragma once

#include <QDialog>
#include <string>

#include "core/Globals.h"

class QTreeWidget;
class TComputationListing;

class TfrmComputations : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmComputations(QWidget* parent = nullptr);

    void AddHeading(const QString& text);
    void AddValue(const QString& caption, const QString& unit, int decimals, Real value);
    // Appends the rows of a listing of the model.
    void AddRows(const TComputationListing& listing);

    QTreeWidget* ListView() const { return ListView1_; }
    int RowCount() const;
    bool IsHeading(int row) const;
    QString Caption(int row) const;
    QString Value(int row) const;

  private:
    void AddRow(const QString& caption, const QString& value, bool heading);
    QTreeWidget* ListView1_;
};
