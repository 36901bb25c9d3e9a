#include "update/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace {

enum class TMatch { Suffix, ExecutableBit };

struct TProgramRule {
    TMatch Match;
    const char* Suffix;       // compared without regard to case
    const char* Interpreter;  // empty: the file starts itself
};

// The one table of program kinds.
constexpr TProgramRule kProgramRules[] = {
    {TMatch::Suffix, ".exe", ""},
#ifndef Q_OS_WIN
    {TMatch::Suffix, ".sh", "/bin/sh"},
    {TMatch::Suffix, ".AppImage", ""},
    {TMatch::ExecutableBit, "", ""},
#endif
};

const TProgramRule* RuleFor(const QFileInfo& file)
{
    if (!file.isFile())
        return nullptr;
    for (const TProgramRule& rule : kProgramRules) {
        const bool matches = rule.Match == TMatch::Suffix
                                 ? file.fileName().endsWith(QLatin1String(rule.Suffix), Qt::CaseInsensitive)
                                 : file.isExecutable();
        if (matches)
            return &rule;
    }
    return nullptr;
}

}  // namespace

bool IsProgramFile(const QString& filePath)
{
    return RuleFor(QFileInfo(filePath)) != nullptr;
}

QString FindFirstProgramFile(const QString& folder)
{
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files)
        if (RuleFor(file))
            return file.filePath();
    return {};
}

TProgramStart ProgramStartFor(const QString& filePath, const QStringList& arguments)
{
    const TProgramRule* rule = RuleFor(QFileInfo(filePath));
    if (rule && *rule->Interpreter)
        return {QString::fromLatin1(rule->Interpreter), QStringList{filePath} + arguments};
    return {filePath, arguments};
}
