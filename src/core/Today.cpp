#include "core/Today.h"

#include <chrono>

double TodayDayCount()
{
    using namespace std::chrono;
    const auto today = floor<days>(system_clock::now());
    const auto epoch = sys_days{year{1899} / December / 30};
    return static_cast<double>((today - epoch).count());
}
