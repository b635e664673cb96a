// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchclock.h"

#include <algorithm>
#include <ctime>

namespace {

double milliseconds(clockid_t clock)
{
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

} // namespace

double processMilliseconds()
{
    return milliseconds(CLOCK_PROCESS_CPUTIME_ID);
}

double threadMilliseconds()
{
    return milliseconds(CLOCK_THREAD_CPUTIME_ID);
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double slowestOf(const QList<double>& values)
{
    return *std::max_element(values.begin(), values.end());
}
