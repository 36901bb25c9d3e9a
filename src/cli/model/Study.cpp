#include "cli/model/Study.h"

#include <algorithm>
#include <atomic>
#include <istream>
#include <ostream>
#include <thread>

#include "cli/model/JsonRecord.h"
#include "core/InputCatalogue.h"
#include "core/PMClasses.h"

namespace {

constexpr std::size_t kBatchLines = 8192;
constexpr std::size_t kCasesPerClaim = 16;  // cases a thread takes at once

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

}  // namespace

std::string ComputeStudyCase(TPMData& work, const TPMData& base, const std::string& overrides)
{
    // Cases differ from the base in a few inputs: each thread keeps the shown values it has read.
    thread_local TShownInputsMemo shown;
    work = base;
    InputsFromJson(work, overrides);
    NormalizeInputsAsShown(work, &shown);
    try {
        work.ComputeAll();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

TStudy::TStudy(const TPMData& base, std::vector<TStudyField> fields)
    : Base(std::make_unique<TPMData>(base)), Fields(std::move(fields))
{
    Base->ClearLogo();
    for (const TStudyField& field : Fields)
        Keys.push_back(", " + JsonQuotedText(field.Name) + ": ");
}

TStudy::~TStudy() = default;

std::string TStudy::CaseLine(const std::string& line, long long lineNumber, TPMData& work) const
{
    std::string out = "{\"line\": " + std::to_string(lineNumber);
    std::string error;
    try {
        error = ComputeStudyCase(work, *Base, line);
    } catch (const std::exception& bad) {
        return out + ", \"error\": " + JsonQuotedText(bad.what()) + "}";
    }
    for (std::size_t i = 0; i < Fields.size(); ++i) {
        out += Keys[i];
        out += Fields[i].Text(work);
    }
    if (!error.empty())
        out += ", \"error\": " + JsonQuotedText(error);
    out += "}";
    return out;
}

long long TStudy::Run(std::istream& in, std::ostream& out, unsigned threads,
                      const std::function<void(long long)>& progress) const
{
    threads = std::max(1u, threads);
    std::vector<TPMData> works(threads);
    std::vector<std::pair<long long, std::string>> cases;
    std::vector<std::string> lines;
    long long lineNumber = 0, done = 0;
    std::string text;
    bool more = true;
    while (more) {
        cases.clear();
        while (cases.size() < kBatchLines && (more = static_cast<bool>(std::getline(in, text)))) {
            ++lineNumber;
            if (!IsBlank(text))
                cases.emplace_back(lineNumber, std::move(text));
        }
        if (cases.empty())
            break;
        lines.assign(cases.size(), {});
        std::atomic<std::size_t> next{0};
        auto work = [&](TPMData& record) {
            for (std::size_t first; (first = next.fetch_add(kCasesPerClaim)) < cases.size();)
                for (std::size_t i = first; i < std::min(first + kCasesPerClaim, cases.size()); ++i)
                    lines[i] = CaseLine(cases[i].second, cases[i].first, record);
        };
        std::vector<std::thread> helpers;
        const std::size_t wanted =
            std::min<std::size_t>(threads, (cases.size() + kCasesPerClaim - 1) / kCasesPerClaim);
        for (std::size_t t = 1; t < wanted; ++t)
            helpers.emplace_back(work, std::ref(works[t]));
        work(works[0]);
        for (std::thread& helper : helpers)
            helper.join();
        for (const std::string& line : lines) {
            out << line << '\n';
        }
        done += static_cast<long long>(cases.size());
        if (progress)
            progress(done);
    }
    out.flush();
    return done;
}
