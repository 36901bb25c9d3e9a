// pelmark-calc check-update URL [--installed VERSION]: reads an update page and tells what it
// offers and whether that is newer than the installed version, without downloading anything.
#include <QCoreApplication>
#include <iostream>
#include <memory>

#include "cli/CliCommand.h"
#include "core/Version.h"
#include "update/MakerAddresses.h"
#include "update/WebUpdate.h"

namespace {

void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "pelmark-calc";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(argc, argv);
}

std::string Text(const QString& text, const char* absent = "none")
{
    return text.isEmpty() ? absent : text.toStdString();
}

int RunCheckUpdate(const std::vector<std::string>& args)
{
    std::vector<std::string> positional;
    std::string installed = VersionText;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--installed") {
            if (i + 1 >= args.size())
                throw EUsageError{"--installed needs a version"};
            installed = args[++i];
        } else if (args[i].rfind("--installed=", 0) == 0) {
            installed = args[i].substr(12);
        } else if (args[i].rfind("--", 0) == 0) {
            throw EUsageError{"unknown option " + args[i]};
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 1)
        throw EUsageError{"expects one update page address"};
    if (installed.empty())
        throw EUsageError{"--installed needs a version"};

    EnsureCoreApplication();
    TmxWebUpdate web;
    web.ProductInfo.SetURL(QString::fromStdString(positional[0]));
    web.ProductInfo.Version = QString::fromStdString(installed);
    web.Options = {};
    web.SecureOnly = false;  // the page is only read and reported: nothing is downloaded or started
    bool failed = false;
    bool newer = false;
    web.OnDownloadError = [&](TmxWebUpdate&) { failed = true; };
    web.OnUpdateAvailable = [&](TmxWebUpdate&, const QString&, const QString&, bool& canUpdate) {
        newer = true;
        canUpdate = false;  // report only: nothing is downloaded
    };
    web.CheckForUpdate();
    if (failed) {
        std::cerr << "Cannot read the update page " << web.ProductInfo.URL().toStdString() << ": "
                  << Text(web.LastError(), "no answer") << "\n";
        return kExitError;
    }
    const TUpdatePageInfo& page = web.PageInfo();
    std::cout << "product: " << Text(page.ProductName) << "\n"
              << "version: " << Text(page.Version) << "\n"
              << "installed: " << installed << "\n"
              << "download: " << Text(page.Download) << "\n"
              << "date: "
              << (page.VerDate.isValid() ? page.VerDate.toString(Qt::ISODate).toStdString() : "none") << "\n"
              << "newer: " << (newer ? "yes" : "no") << "\n";
    return kExitOk;
}

const TCliRegistration kRegistration{{
    "check-update",
    std::string("URL [--installed VERSION]"),
    std::string("reads an update page (") + MakerAddresses::UpdatePageUrl +
        ") and prints its product, version, download address, date and whether it is newer; downloads "
        "nothing",
    RunCheckUpdate,
}};

}  // namespace
