#include "core/PMClasses.h"
#include "design/ContinuousLoadCases.h"
#include "design/FootingFlexure.h"
#include "design/InteractionDiagram.h"
#include "design/StemWallDesign.h"

// Every step writes its results as it goes: an arithmetic fault raised inside one step leaves the
// results of the steps before it and the previous values of the rest.
void TPMData::ContinuousFootingDesign()
{
    ContinuousDerivedLoads(*this);
    ContinuousStabilityChecks(*this);
    StemVerticalSteel(*this);
    BuildInteractionDiagram(*this);
    StemShearStrength(*this);
    StemDemands(*this);
    StemHorizontalSteel(*this);
    StemDeflections(*this);
    FootingFlexure(*this);
    ContinuousBearingPressures(*this);
    FootingUltimateMoment(*this);
}
