// Which unpacked files count as the program to start, and how each kind is started.
#pragma once

#include <QString>
#include <QStringList>

struct TProgramStart {
    QString Program;        // what the platform starts
    QStringList Arguments;  // the file itself first when an interpreter starts it
};

// Whether `filePath` is a program file: "*.exe" (any case) everywhere; elsewhere than on
// Windows also "*.sh", "*.AppImage" and any file with an executable bit.
bool IsProgramFile(const QString& filePath);

// The first program file, by name, directly in `folder`; empty when there is none.
QString FindFirstProgramFile(const QString& folder);

// How to start `filePath` with the given command-line arguments.
TProgramStart ProgramStartFor(const QString& filePath, const QStringList& arguments);
