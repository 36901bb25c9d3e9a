// The bearing capacity listing: every number with 2 decimals and no unit text.
#include "core/PMClasses.h"
#include "listings/ComputationListing.h"

namespace {

struct TBearingRow {
    const char* Caption;
    Real TPMData::*Field;
};

constexpr TBearingRow kGeneralRows[] = {
    {"Gamma w", &TPMData::GammaW},
    {"phi (radians)", &TPMData::PhiRad},
};

constexpr TBearingRow kTerzaghiRows[] = {
    {"a theta", &TPMData::ATheta},
    {"Nc", &TPMData::NcTerzaghi},
    {"Nq", &TPMData::NqTerzaghi},
    {"N gamma", &TPMData::NGammaTerzaghi},
    {"gamma'", &TPMData::GammaPrime},
    {"coefficient #1", &TPMData::TerzaghiCoef1},
    {"coefficient #3", &TPMData::TerzaghiCoef3},
    {"sigma zD'", &TPMData::SigmaZD},
};

constexpr TBearingRow kVesicRows[] = {
    {"Nc", &TPMData::NcVesic},          {"sc", &TPMData::Sc},          {"dc", &TPMData::Dc},
    {"Nq", &TPMData::NqVesic},          {"sq", &TPMData::Sq},          {"dq", &TPMData::Dq},
    {"N gamma", &TPMData::NGammaVesic}, {"s gamma", &TPMData::SGamma}, {"d gamma", &TPMData::DGamma},
    {"B/L", &TPMData::BOverL},          {"k", &TPMData::DepthK},
};

template <std::size_t N>
void AddRows(TComputationListing& listing, const TPMData& record, const TBearingRow (&rows)[N])
{
    for (const TBearingRow& row : rows)
        listing.AddValue(row.Caption, "", 2, record.*row.Field);
}

}  // namespace

TComputationListing BuildBearingListing(const TPMData& record)
{
    TComputationListing listing;
    AddRows(listing, record, kGeneralRows);
    listing.AddBlank();
    listing.AddHeading("Terzaghi Computations");
    AddRows(listing, record, kTerzaghiRows);
    listing.AddBlank();
    listing.AddHeading("Vesic Computations");
    AddRows(listing, record, kVesicRows);
    return listing;
}
