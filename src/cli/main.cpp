// pelmark-calc: the batch companion of the window.
#include <algorithm>
#include <exception>
#include <iostream>

#include "cli/CliCommand.h"

std::vector<TCliCommand>& CliCommands()
{
    static std::vector<TCliCommand> commands;
    return commands;
}

namespace {
void PrintUsage(std::ostream& out)
{
    auto commands = CliCommands();
    std::sort(commands.begin(), commands.end(), [](auto& a, auto& b) { return a.Name < b.Name; });
    out << "usage: pelmark-calc COMMAND [ARGS]\n\ncommands:\n";
    for (const TCliCommand& command : commands)
        out << "  " << command.Name << " " << command.Usage << "\n      " << command.Summary << "\n";
}
}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? kExitUsage : kExitOk;
    }
    auto& commands = CliCommands();
    auto found = std::find_if(commands.begin(), commands.end(), [&](auto& c) { return c.Name == args[0]; });
    if (found == commands.end()) {
        std::cerr << "pelmark-calc: unknown command '" << args[0] << "'\n";
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    try {
        return found->Run(std::vector<std::string>(args.begin() + 1, args.end()));
    } catch (const EUsageError& error) {
        std::cerr << "pelmark-calc " << found->Name << ": " << error.Message << "\nusage: pelmark-calc "
                  << found->Name << " " << found->Usage << "\n";
        return kExitUsage;
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return kExitError;
    }
}
