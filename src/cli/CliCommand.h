// The batch tool's commands: each command file registers itself in the command table.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Exit codes of the batch tool.
inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

// Raised by a command whose arguments are wrong; the tool prints the usage and exits 2.
struct EUsageError {
    std::string Message;
};

struct TCliCommand {
    std::string Name;
    std::string Usage;    // arguments, for the usage text
    std::string Summary;  // one line
    std::function<int(const std::vector<std::string>& args)> Run;
};

std::vector<TCliCommand>& CliCommands();

struct TCliRegistration {
    explicit TCliRegistration(TCliCommand command) { CliCommands().push_back(std::move(command)); }
};
