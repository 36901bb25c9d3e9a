// pelmark-calc listing bearing|stability FILE.kpm: the rows of a computation listing, one a line.
#include <exception>
#include <iostream>

#include "cli/CliCommand.h"
#include "core/PMClasses.h"
#include "listings/ComputationListing.h"

namespace {

int RunListing(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        throw EUsageError{"expected a listing name and a project file"};
    const std::string& which = args[0];
    if (which != "bearing" && which != "stability")
        throw EUsageError{"unknown listing '" + which + "' (bearing or stability)"};

    // The stored inputs as read into a fresh record, computed once.
    TPMData record;
    record.LoadProject(args[1]);
    std::string failure;
    try {
        record.ComputeAll();
    } catch (const std::exception& error) {
        failure = error.what();  // the listing then shows what was computed before the fault
    }
    const TComputationListing listing =
        which == "bearing" ? BuildBearingListing(record) : BuildStabilityListing(record);
    std::cout << ListingText(listing);
    if (!failure.empty()) {
        std::cerr << failure << "\n";
        return kExitError;
    }
    return kExitOk;
}

const TCliRegistration kListing{{"listing", "bearing|stability FILE.kpm",
                                 "prints a computation listing: caption TAB value, headings marked \"# \"",
                                 RunListing}};

}  // namespace
