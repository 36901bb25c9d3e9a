// A design study: one case per JSON line of input overrides over a base project, computed on
// several threads, one JSON line out per case in input order.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "cli/model/StudyFields.h"

class TPMData;

class TStudy {
  public:
    // `base` holds the base project's inputs as read into a fresh record.
    TStudy(const TPMData& base, std::vector<TStudyField> fields);
    ~TStudy();

    // The output line (without its newline) of one input line: {"line": n, the fields..., "error"}.
    // A line that is not a JSON object of known input fields gets only an error naming the field.
    // `work` is a record the call may overwrite.
    std::string CaseLine(const std::string& line, long long lineNumber, TPMData& work) const;

    // Reads every line of `in` and writes one line for each non-blank line, in input order, on
    // `threads` threads. `progress` hears the number of cases done after each batch.
    // Returns the number of cases.
    long long Run(std::istream& in, std::ostream& out, unsigned threads,
                  const std::function<void(long long)>& progress = {}) const;

  private:
    std::unique_ptr<TPMData> Base;  // without its logo, which no result depends on: copied for every case
    std::vector<TStudyField> Fields;
    std::vector<std::string> Keys;  // ", \"name\": " of each field
};

// One case as `show` computes a project: the base's inputs with the overrides put into the state
// the window shows, then the compute-all cycle. Returns the computation's error text ("" when
// none); a bad override raises an error naming the field.
std::string ComputeStudyCase(TPMData& work, const TPMData& base, const std::string& overrides);
