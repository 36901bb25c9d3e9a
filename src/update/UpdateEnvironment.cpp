#include "update/UpdateEnvironment.h"

#include <cstdlib>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "update/ProgramFiles.h"

TUpdateEnvironment DefaultUpdateEnvironment()
{
    TUpdateEnvironment environment;
    environment.TempFolder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
    environment.AppDataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (QCoreApplication::instance()) {
        environment.ProgramFolder =
            QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator();
        environment.ProgramFileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    }
    environment.StartProgram = StartWithPlatform;
    environment.Terminate = [](int exitCode) { std::exit(exitCode); };
    return environment;
}

bool StartWithPlatform(const QString& file, const QString& parameters, bool /*hidden: no console is opened*/)
{
    const QFileInfo info(file);
    if (file.isEmpty() || !info.isFile())
        return false;
    const QStringList arguments = QProcess::splitCommand(parameters);
    if (IsProgramFile(file)) {
        const TProgramStart start = ProgramStartFor(file, arguments);
        // A downloaded file loses its executable bit; a file that starts itself needs it.
        if (start.Program == file && !info.isExecutable())
            QFile::setPermissions(file, QFile::permissions(file) | QFile::ExeOwner);
        return QProcess::startDetached(start.Program, start.Arguments, info.absolutePath());
    }
#if defined(Q_OS_WIN)
    return QProcess::startDetached(QStringLiteral("cmd"), QStringList{"/c", "start", "", file} + arguments);
#elif defined(Q_OS_MACOS)
    return QProcess::startDetached(QStringLiteral("open"), QStringList{file} + arguments);
#else
    return QProcess::startDetached(QStringLiteral("xdg-open"), QStringList{file});
#endif
}
