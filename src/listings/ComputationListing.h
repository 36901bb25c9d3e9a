// The computation listings: ordered rows of variable captions and value texts, built from the
// record alone, so that the listing window and the printed report show the same rows.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Globals.h"

class TPMData;

struct TListingRow {
    std::string Caption;               // "Variable" column; empty for a blank row
    std::optional<std::string> Value;  // "Value" column; none for headings and blank rows
    bool Heading = false;

    bool operator==(const TListingRow&) const = default;
};

// A value equal to this marker adds a row without a value text (with an empty caption, a blank row).
inline constexpr Real kListingBlankMarker = -2147483647.0L;

class TComputationListing {
  public:
    void AddHeading(const std::string& text);
    // NaN reads "N.A." (the unit is dropped); otherwise the value with `decimals` digits, one
    // space and the unit text, the space written even for an empty unit.
    void AddValue(const std::string& caption, const std::string& unit, int decimals, Real value);
    void AddBlank() { AddValue("", "", 0, kListingBlankMarker); }

    const std::vector<TListingRow>& Rows() const& { return Rows_; }
    // A temporary listing hands its rows over instead of leaving a dangling reference.
    std::vector<TListingRow> Rows() && { return std::move(Rows_); }

  private:
    std::vector<TListingRow> Rows_;
};

// The intermediate variables of the bearing capacity (Terzaghi and Vesic).
TComputationListing BuildBearingListing(const TPMData& record);
// The resultant, the overturning, uplift and sliding checks and the bearing lengths.
TComputationListing BuildStabilityListing(const TPMData& record);

// Plain text, one row a line: a heading as "# " and its text; a value row as its caption, a tab
// and its value text; a row without a value as its caption alone.
std::string ListingText(const TComputationListing& listing);
