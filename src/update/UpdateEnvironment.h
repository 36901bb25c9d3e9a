// What the update component takes from the platform: folders, starting a program, ending
// the program. Tests replace these with their own.
#pragma once

#include <functional>

#include <QString>

struct TUpdateEnvironment {
    QString TempFolder;       // where a package is downloaded unless the owner chooses otherwise
    QString AppDataFolder;    // the per-user application data folder, for owners that keep packages there
    QString ProgramFolder;    // the running program's folder, with a trailing separator
    QString ProgramFileName;  // the running program's file name

    // Starts `file` with the command-line text `parameters`; false when it could not be started.
    std::function<bool(const QString& file, const QString& parameters, bool hidden)> StartProgram;
    // Ends the program at once with the exit code.
    std::function<void(int exitCode)> Terminate;
};

// The platform's folders, QProcess to start programs and std::exit to end.
TUpdateEnvironment DefaultUpdateEnvironment();

// Starts a file through the platform: program files by their kind, any other file through
// the desktop's opener. Parameters are split as a command line.
bool StartWithPlatform(const QString& file, const QString& parameters, bool hidden);
