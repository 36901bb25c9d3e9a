#include "listings/ComputationListing.h"

#include "core/NumberFormat.h"

void TComputationListing::AddHeading(const std::string& text)
{
    Rows_.push_back({text, std::nullopt, true});
}

void TComputationListing::AddValue(const std::string& caption, const std::string& unit, int decimals,
                                   Real value)
{
    TListingRow row{caption, std::nullopt, false};
    if (IsNaN(value))
        row.Value = "N.A.";
    else if (value != kListingBlankMarker)
        row.Value = FormatFixed(value, decimals) + " " + unit;
    Rows_.push_back(std::move(row));
}

std::string ListingText(const TComputationListing& listing)
{
    std::string text;
    for (const TListingRow& row : listing.Rows()) {
        if (row.Heading)
            text += "# ";
        text += row.Caption;
        if (row.Value)
            text += "\t" + *row.Value;
        text += "\n";
    }
    return text;
}
