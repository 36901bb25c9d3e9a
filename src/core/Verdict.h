// How the model judges a value: pass, fail, or not judged at all. Every view shows these verdicts;
// none decides pass or fail on its own.
#pragma once

enum class TVerdict { NotApplicable, Pass, Fail };

constexpr TVerdict VerdictOf(bool pass)
{
    return pass ? TVerdict::Pass : TVerdict::Fail;
}
