// The unit labels beside inputs and results, each bound to the quantity it names.
#pragma once

#include <QLabel>
#include <QList>
#include <cstdint>

struct TUnitLabelRef {
    QLabel* Label;
    int Kind;  // a TUnitKind
};

class TUnitLabelSet {
  public:
    void Add(QLabel* label, int kind)
    {
        Labels_.append({label, kind});
        Applied_ = -1;  // the new label has no text yet
    }
    // Every label takes its quantity's text in the unit system.
    void Apply(std::uint8_t units) const;
    const QList<TUnitLabelRef>& Labels() const { return Labels_; }

  private:
    QList<TUnitLabelRef> Labels_;
    mutable int Applied_ = -1;  // the unit system whose texts the labels show
};
