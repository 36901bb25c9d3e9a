#include "ui/UnitLabels.h"

#include "core/Units.h"

void TUnitLabelSet::Apply(std::uint8_t units) const
{
    if (units == Applied_)
        return;
    Applied_ = units;
    for (const TUnitLabelRef& ref : Labels_)
        ref.Label->setText(QString::fromUtf8(UnitText(static_cast<TUnitKind>(ref.Kind), units)));
}
