// pelmark-calc listing bearing|stability|square|continuous FILE.kpm: the rows of a computation listing, one a
// line.
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/model/ProjectLoading.h"
#include "core/PMClasses.h"
#include "listings/ComputationListing.h"

namespace {

int RunListing(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        throw EUsageError{"expected a listing name and a project file"};
    const std::string& which = args[0];
    if (which != "bearing" && which != "stability" && which != "square" && which != "continuous")
        throw EUsageError{"unknown listing '" + which + "' (bearing, stability, square or continuous)"};

    // The stored inputs as read into a fresh record, computed once, as `show --raw` does; after a
    // computation error the listing shows what was computed before it.
    TPMData record;
    const std::string failure = LoadAndCompute(record, args[1], TLoadMode::Raw);
    const TComputationListing listing = which == "bearing"     ? BuildBearingListing(record)
                                        : which == "stability" ? BuildStabilityListing(record)
                                        : which == "square"    ? BuildSquareFootingListing(record)
                                                               : BuildContinuousListing(record);
    std::cout << ListingText(listing);
    if (!failure.empty()) {
        std::cerr << failure << "\n";
        return kExitError;
    }
    return kExitOk;
}

const TCliRegistration kListing{{"listing", "bearing|stability|square|continuous FILE.kpm",
                                 "prints a computation listing: caption TAB value, headings marked \"# \"",
                                 RunListing}};

}  // namespace
