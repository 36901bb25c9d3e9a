// pelmark-calc study BASE.kpm CASES.jsonl [--threads N] [--fields a,b,...]
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <thread>

#include "cli/CliCommand.h"
#include "cli/model/Study.h"
#include "core/PMClasses.h"

namespace {

std::vector<std::string> SplitNames(const std::string& list)
{
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        if (comma > start)
            names.push_back(list.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

unsigned ThreadCount(const std::string& text)
{
    std::size_t used = 0;
    int n = 0;
    try {
        n = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || n < 1 || n > 1024)
        throw EUsageError{"--threads expects a whole number from 1 to 1024"};
    return static_cast<unsigned>(n);
}

int RunStudy(const std::vector<std::string>& args)
{
    std::vector<std::string> positional;
    unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::string> fieldNames = DefaultStudyFieldNames();
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--threads" || args[i] == "--fields") {
            if (i + 1 == args.size())
                throw EUsageError{args[i] + " expects a value"};
            if (args[i] == "--threads")
                threads = ThreadCount(args[++i]);
            else
                fieldNames = SplitNames(args[++i]);
        } else if (args[i] != "-" && args[i].rfind("-", 0) == 0) {
            throw EUsageError{"unexpected argument '" + args[i] + "'"};
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        throw EUsageError{"expects a base project file and a file of cases ('-' for stdin)"};
    if (fieldNames.empty())
        throw EUsageError{"--fields names no field"};
    std::vector<TStudyField> fields;
    try {
        fields = ResolveStudyFields(fieldNames);
    } catch (const EPelmarkError& error) {
        throw EUsageError{error.what()};
    }

    TPMData base;
    base.ResetRecord();
    base.LoadProject(positional[0]);

    std::ifstream file;
    std::istream* in = &std::cin;
    if (positional[1] != "-") {
        file.open(positional[1], std::ios::binary);
        if (!file)
            throw EPelmarkError("Cannot open file \"" + positional[1] + "\".");
        in = &file;
    }
    const bool terminal = isatty(fileno(stderr)) != 0;
    std::ios::sync_with_stdio(false);
    const TStudy study(base, std::move(fields));
    const long long cases = study.Run(*in, std::cout, threads, [terminal](long long done) {
        if (terminal)
            std::cerr << "\rstudy: " << done << " cases" << std::flush;
    });
    if (terminal)
        std::cerr << "\rstudy: " << cases << " cases done\n";
    return kExitOk;
}

const TCliRegistration kStudy{
    {"study", "BASE.kpm CASES.jsonl [--threads N] [--fields a,b,...]",
     "computes one case per JSON line of input overrides; one JSON line out per case", RunStudy}};

}  // namespace
